#include "QtModalHost.h"

#include "Dialog.h"
#include "QtConvert.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

QMessageBox::Icon IconFor(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

std::vector<std::pair<QMessageBox::StandardButton, int>> ButtonsFor(UINT nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

} // namespace

CWinMessageBox::CWinMessageBox(QWidget* pParent, const std::string& text, const std::string& caption, UINT nType)
    : QMessageBox(pParent)
{
    setTextFormat(Qt::PlainText);
    setText(ToQString(text));
    setWindowTitle(ToQString(caption));
    setIcon(IconFor(nType));
    AddButtons(nType);
    connect(this, &QMessageBox::buttonClicked, this, [this](QAbstractButton* button) {
        for (const auto& [candidate, result] : m_buttons)
            if (candidate == button)
                m_nResult = result;
    });
}

void CWinMessageBox::AddButtons(UINT nType)
{
    for (const auto& [standard, result] : ButtonsFor(nType))
        m_buttons.emplace_back(addButton(standard), result);
    const size_t defaultIndex = (nType & MB_DEFMASK) >> 8;
    if (defaultIndex < m_buttons.size())
        setDefaultButton(static_cast<QPushButton*>(m_buttons[defaultIndex].first));
}

QAbstractButton* CWinMessageBox::ButtonFor(int nResult) const
{
    for (const auto& [button, result] : m_buttons)
        if (result == nResult)
            return button;
    return nullptr;
}

int CWinMessageBox::EscapeResult() const
{
    if (ButtonFor(IDCANCEL))
        return IDCANCEL;
    if (m_buttons.size() == 1 && m_buttons.front().second == IDOK)
        return IDOK;
    return 0;
}

void CWinMessageBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    if (const int result = EscapeResult()) {
        m_nResult = result;
        done(result);
    }
}

void CWinMessageBox::closeEvent(QCloseEvent* event)
{
    const int result = EscapeResult();
    if (!result) {
        event->ignore(); // Yes/No questions must be answered
        return;
    }
    m_nResult = result;
    QMessageBox::closeEvent(event);
}

int CQtModalHost::MessageBox(QWidget* pParent, const std::string& text, const std::string& caption, UINT nType)
{
    CWinMessageBox box(pParent, text, caption, nType);
    box.exec();
    return box.Result() ? box.Result() : IDCANCEL;
}

int CQtModalHost::DoModal(CDialog& dialog)
{
    return dialog.RunModalLoop();
}
