#include "CoverTextDlg.h"

#include "EditTemplates.h"
#include "Help.h"
#include "QtConvert.h"
#include "resource.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

// Lines of a multi-line box are separated by CR LF in the program's strings and by a line
// feed in the box.
QString ToBoxText(const std::string& text)
{
    return ToQString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::string FromBoxText(const QString& text)
{
    return FromQString(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

// The templates were laid out for a narrower font than the ones found here: a label whose
// text would wrap out of its single line grows to the right, into the space its template
// leaves free there.
void WidenLabelsToTheirText(const QWidget* dialog)
{
    for (QLabel* label : dialog->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 1;
        if (needed > label->width())
            label->resize(needed, label->height());
    }
}

bool IsEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CCoverTextDlg::CCoverTextDlg(QWidget* pParent) : CDialog(pParent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CreateFromTemplate(CoverTextTemplate());
    for (const int id : {IDC_FRONT_TEXT, IDC_BACK_TEXT}) {
        // A vertical scroll bar, and lines that scroll sideways instead of wrapping.
        QPlainTextEdit* box = TextBox(id);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
    }
    for (const int id : {IDC_COVER_TEXT_OK, IDCANCEL}) {
        // No default button: Enter on a focused button does not press it either.
        auto* button = qobject_cast<QPushButton*>(GetDlgItem(id));
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(qobject_cast<QPushButton*>(GetDlgItem(IDC_COVER_TEXT_OK)), &QPushButton::clicked, this,
            [this] { OnOkButton(); });
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        control->installEventFilter(this);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { OpenHelpFile(); });
}

QLineEdit* CCoverTextDlg::LineBox(int nId) const
{
    return qobject_cast<QLineEdit*>(GetDlgItem(nId));
}

QPlainTextEdit* CCoverTextDlg::TextBox(int nId) const
{
    return qobject_cast<QPlainTextEdit*>(GetDlgItem(nId));
}

BOOL CCoverTextDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    WidenLabelsToTheirText(this);
    m_textBoxStyles.clear();
    for (const int id : {IDC_BACK_TEXT, IDC_FRONT_TEXT}) {
        ModifyStyle(TextBox(id), ES_WANTRETURN);
        ModifyStyle(TextBox(id), ES_MULTILINE);
        ModifyStyle(TextBox(id), ES_AUTOVSCROLL);
    }
    LineBox(IDC_SPINE_TEXT)->setText(ToQString(m_strSpine));
    TextBox(IDC_BACK_TEXT)->setPlainText(ToBoxText(m_strBackText));
    LineBox(IDC_BACK_TITLE)->setText(ToQString(m_strBackTitle));
    TextBox(IDC_FRONT_TEXT)->setPlainText(ToBoxText(m_strFrontText));
    LineBox(IDC_FRONT_TITLE)->setText(ToQString(m_strFrontTitle));
    return TRUE;
}

// The template's text boxes are multi-line already and keep their caret in view; of the
// added styles, ES_WANTRETURN is the one that changes what they do: Enter reaches them.
void CCoverTextDlg::ModifyStyle(QPlainTextEdit* pBox, DWORD dwAdd)
{
    m_textBoxStyles[pBox] |= dwAdd;
}

void CCoverTextDlg::OnOkButton()
{
    m_strSpine = FromQString(LineBox(IDC_SPINE_TEXT)->text());
    m_strFrontText = FromBoxText(TextBox(IDC_FRONT_TEXT)->toPlainText());
    m_strBackText = FromBoxText(TextBox(IDC_BACK_TEXT)->toPlainText());
    m_strBackTitle = FromQString(LineBox(IDC_BACK_TITLE)->text());
    m_strFrontTitle = FromQString(LineBox(IDC_FRONT_TITLE)->text());
    CDialog::OnOK();
}

// Sees every key of the dialog's controls before they or the dialog do.
bool CCoverTextDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (PreTranslateMessage(watched, event))
        return true;
    return CDialog::eventFilter(watched, event);
}

// Enter goes to no button and never to the dialog's own handling; only a box that wants
// it (a text box with ES_WANTRETURN) receives it, as a new line. True when the key is taken.
bool CCoverTextDlg::PreTranslateMessage(QObject* pTarget, const QEvent* pEvent) const
{
    if (!IsEnter(pEvent))
        return false;
    const auto style = m_textBoxStyles.find(pTarget);
    return style == m_textBoxStyles.end() || !(style->second & ES_WANTRETURN);
}
