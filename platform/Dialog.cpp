#include "Dialog.h"

#include "AccessibleButtons.h"
#include "DialogUnits.h"
#include "ModalHost.h"
#include "OwnerDrawButton.h"
#include "QtConvert.h"
#include "ResourceImages.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

CDialog::CDialog(QWidget* pParent) : QDialog(pParent)
{
    // Every window of the program is a dialog: its buttons are described to screen readers
    // from the first one on.
    InstallAccessibleButtons();
}

int CDialog::DoModal()
{
    return ModalHost().DoModal(*this);
}

int CDialog::RunModalLoop()
{
    OnInitDialog();
    return exec();
}

void CDialog::EndDialog(int nResult)
{
    done(nResult);
}

BOOL CDialog::OnInitDialog()
{
    ApplyTemplateLayout();
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
    const bool pushButton = qobject_cast<QPushButton*>(focused) ||
                            (qobject_cast<COwnerDrawButton*>(focused) && !focused->isCheckable());
    if (pushButton)
        focused->click();
    else
        OnOK();
}

void CDialog::accept()
{
    OnOK();
}

void CDialog::reject()
{
    OnCancel();
}

QWidget* CDialog::GetDlgItem(int nId) const
{
    const auto found = m_controls.find(nId);
    return found == m_controls.end() ? nullptr : found->second;
}

QWidget* CDialog::CreateControl(const ControlTemplate&)
{
    return nullptr;
}

void CDialog::CreateFromTemplate(const DialogTemplate& dialogTemplate)
{
    m_pTemplate = &dialogTemplate;
    // The templates were laid out in "MS Sans Serif"; where it is missing, the desktop would
    // pick a wider face for it, so the nearest metric match, Arial, stands in.
    QFont dialogFont(QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                         ? QStringLiteral("MS Sans Serif")
                         : QStringLiteral("Arial"));
    dialogFont.setPixelSize(11); // 8 points at 96 dpi, the size the templates were laid out in
    setFont(dialogFont);
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control);
        if (!widget)
            widget = CreateStandardControl(control);
        m_templateWidgets.push_back(widget);
        if (!widget)
            continue;
        if (control.style & WS_TABSTOP) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop)
                setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        } else if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        RouteOkAndCancel(widget, control.nId);
        if (control.nId != -1)
            m_controls[control.nId] = widget;
    }
    ApplyTemplateLayout();
}

// Every run of a dialog starts from its template, as a window created anew would: caption,
// size, and each control's place, text, visibility and enabled state.
void CDialog::ApplyTemplateLayout()
{
    if (!m_pTemplate)
        return;
    setWindowTitle(ToQString(m_pTemplate->caption));
    const CRect client = DialogUnitRect(0, 0, m_pTemplate->cx, m_pTemplate->cy);
    setFixedSize(client.Width(), client.Height());
    for (size_t i = 0; i < m_templateWidgets.size(); ++i) {
        const ControlTemplate& control = m_pTemplate->controls[i];
        QWidget* widget = m_templateWidgets[i];
        if (!widget)
            continue;
        const CRect place = DialogUnitRect(control.x, control.y, control.cx, control.cy);
        widget->setGeometry(place.left, place.top, place.Width(), place.Height());
        widget->setVisible((control.style & WS_VISIBLE) != 0);
        widget->setEnabled((control.style & WS_DISABLED) == 0);
        const QString text = ToQString(control.text ? control.text : "");
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
            label->setText(text);
    }
}

QLineEdit* CreateLineEdit(QWidget* pParent)
{
    auto* edit = new QLineEdit(pParent);
    // A line box keeps all of its text: Qt's default limit would cut it at 32,767 characters.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

namespace {

QWidget* CreateStaticWidget(const ControlTemplate& control, QWidget* parent);

QWidget* CreateButton(const ControlTemplate& control, QWidget* parent)
{
    const QString text = ToQString(control.text ? control.text : "");
    const DWORD type = control.style & BS_TYPEMASK;
    if (type == BS_GROUPBOX)
        return new QGroupBox(text, parent);
    if (type == BS_AUTORADIOBUTTON) {
        auto* radio = new QRadioButton(text, parent);
        radio->setAutoExclusive(false); // every choice starts a group of its own
        return radio;
    }
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)
        return new QCheckBox(text, parent);
    auto* button = new QPushButton(text, parent);
    button->setDefault(type == BS_DEFPUSHBUTTON);
    return button;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget* parent)
{
    QWidget* widget = CreateStaticWidget(control, parent);
    // Statics let clicks through to whatever lies under them, as on Windows.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    return widget;
}

QWidget* CreateStaticWidget(const ControlTemplate& control, QWidget* parent)
{
    const DWORD type = control.style & SS_TYPEMASK;
    if (type == SS_BLACKFRAME || type == SS_BLACKRECT || type == SS_GRAYRECT) {
        auto* frame = new QFrame(parent);
        QPalette colours = frame->palette();
        colours.setColor(QPalette::WindowText, Qt::black);
        colours.setColor(QPalette::Window, type == SS_BLACKRECT ? QColor(Qt::black) : QColor(128, 128, 128));
        frame->setPalette(colours);
        frame->setFrameShape(type == SS_BLACKFRAME ? QFrame::Box : QFrame::NoFrame);
        frame->setAutoFillBackground(type != SS_BLACKFRAME);
        return frame;
    }
    auto* label = new QLabel(parent);
    if (type == SS_BITMAP || type == SS_ICON) {
        const qreal ratio = label->devicePixelRatioF();
        label->setPixmap(type == SS_BITMAP ? QPixmap::fromImage(LoadBitmapResource(control.nImage, ratio))
                                           : LoadIconResource(control.nImage, ratio));
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(ToQString(control.text ? control.text : ""));
    const Qt::Alignment horizontal = type == SS_RIGHT    ? Qt::AlignRight
                                     : type == SS_CENTER ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

} // namespace

QWidget* CDialog::CreateStandardControl(const ControlTemplate& control)
{
    switch (control.cls) {
    case ControlClass::Button:
        return CreateButton(control, this);
    case ControlClass::Static:
        return CreateStatic(control, this);
    case ControlClass::Edit:
        if (control.style & ES_MULTILINE)
            return new QPlainTextEdit(this);
        return CreateLineEdit(this);
    case ControlClass::Custom:
        break;
    }
    return nullptr;
}

// A button with the id IDOK or IDCANCEL ends the dialog through OnOK or OnCancel, as the
// dialog manager routes those commands.
void CDialog::RouteOkAndCancel(QWidget* pWidget, int nId)
{
    auto* button = qobject_cast<QAbstractButton*>(pWidget);
    if (!button || (nId != IDOK && nId != IDCANCEL))
        return;
    connect(button, &QAbstractButton::clicked, this, [this, nId] {
        if (nId == IDOK)
            OnOK();
        else
            OnCancel();
    });
}
