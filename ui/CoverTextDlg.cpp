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
#include <QTextDocument>

namespace {

// Lines of a multi-line box are separated by a line feed in the box. In the program's
// strings a break is CR, LF, CR LF or LF CR, as the cover's drawing reads them; the box
// shows each as one line break, and a changed text comes back with CR LF.
QString ToBoxText(const std::string& text)
{
    const QString source = ToQString(text);
    QString box;
    box.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            box += c;
            continue;
        }
        const QChar pair = c == QLatin1Char('\r') ? QLatin1Char('\n') : QLatin1Char('\r');
        if (i + 1 < source.size() && source[i + 1] == pair)
            ++i;
        box += QLatin1Char('\n');
    }
    return box;
}

// The box's text as typed: the raw text keeps non-breaking spaces, which the plain text
// turns into spaces; its paragraph separators are the box's line breaks.
QString BoxText(const QWidget* pBox)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(pBox))
        return line->text();
    QString raw = qobject_cast<const QPlainTextEdit*>(pBox)->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
    return raw;
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
    m_shown.clear();
    Show(LineBox(IDC_SPINE_TEXT), m_strSpine);
    Show(TextBox(IDC_BACK_TEXT), m_strBackText);
    Show(LineBox(IDC_BACK_TITLE), m_strBackTitle);
    Show(TextBox(IDC_FRONT_TEXT), m_strFrontText);
    Show(LineBox(IDC_FRONT_TITLE), m_strFrontTitle);
    return TRUE;
}

void CCoverTextDlg::Show(QWidget* pBox, const std::string& strText)
{
    if (auto* line = qobject_cast<QLineEdit*>(pBox))
        line->setText(ToQString(strText));
    else
        qobject_cast<QPlainTextEdit*>(pBox)->setPlainText(ToBoxText(strText));
    m_shown[pBox] = {strText, BoxText(pBox)};
}

// A box's text for the cover: what it was given while it shows that unchanged, else what
// it holds now, with CR LF between the lines of a text box.
std::string CCoverTextDlg::Taken(QWidget* pBox) const
{
    const QString now = BoxText(pBox);
    const auto shown = m_shown.find(pBox);
    if (shown != m_shown.end() && shown->second.second == now)
        return shown->second.first;
    if (qobject_cast<QLineEdit*>(pBox))
        return FromQString(now);
    return FromQString(QString(now).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

// The template's text boxes are multi-line already and keep their caret in view; of the
// added styles, ES_WANTRETURN is the one that changes what they do: Enter reaches them.
void CCoverTextDlg::ModifyStyle(QPlainTextEdit* pBox, DWORD dwAdd)
{
    m_textBoxStyles[pBox] |= dwAdd;
}

void CCoverTextDlg::OnOkButton()
{
    m_strSpine = Taken(LineBox(IDC_SPINE_TEXT));
    m_strFrontText = Taken(TextBox(IDC_FRONT_TEXT));
    m_strBackText = Taken(TextBox(IDC_BACK_TEXT));
    m_strBackTitle = Taken(LineBox(IDC_BACK_TITLE));
    m_strFrontTitle = Taken(LineBox(IDC_FRONT_TITLE));
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
