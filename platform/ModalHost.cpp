#include "ModalHost.h"

#include "QtModalHost.h"

#include <QCoreApplication>

namespace {

CModalHost*& InstalledHost()
{
    static CModalHost* host = nullptr;
    return host;
}

} // namespace

CModalHost& ModalHost()
{
    static CQtModalHost qtHost;
    CModalHost* host = InstalledHost();
    return host ? *host : qtHost;
}

CModalHost* SetModalHost(CModalHost* pHost)
{
    CModalHost* previous = InstalledHost();
    InstalledHost() = pHost;
    return previous;
}

int MessageBox(QWidget* pParent, const std::string& text, const std::string& caption, UINT nType)
{
    return ModalHost().MessageBox(pParent, text, caption, nType);
}

int AfxMessageBox(const std::string& text, UINT nType)
{
    // The class library titles its message boxes with the application's name.
    return ModalHost().MessageBox(nullptr, text, QCoreApplication::applicationName().toStdString(), nType);
}
