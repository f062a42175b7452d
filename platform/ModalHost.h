// Every modal question the program asks goes through one host: message boxes, and the
// program's own dialogs run with DoModal. The program installs the Qt host; tests install
// one that answers from a script and records what was asked.
#pragma once

#include "WinTypes.h"

#include <string>

class CDialog;
class CFileDialog;
class QPrinter;
class QWidget;

class CModalHost
{
public:
    virtual ~CModalHost() = default;

    // Shows a message box with the Windows text, caption and style (buttons, icon,
    // default button) and returns the Windows result (IDOK, IDYES, IDNO, ...).
    virtual int MessageBox(QWidget* pParent, const std::string& text, const std::string& caption,
                           UINT nType) = 0;
    // Runs one of the program's dialogs modally and returns the code it ended with.
    virtual int DoModal(CDialog& dialog) = 0;
    // Runs a file open or save dialog; on IDOK the chosen path is set in the dialog.
    virtual int FileDialog(CFileDialog& dialog) = 0;
    // The print dialog: the user picks a printer (or a PDF file) and its settings, which
    // are left in `printer`. IDOK to print, IDCANCEL to print nothing.
    virtual int PrintDialog(QPrinter& printer, QWidget* pParent) = 0;
    // The colour dialog, opening on *pColor; on IDOK the chosen colour is left there.
    virtual int ChooseColor(COLORREF* pColor, QWidget* pParent) = 0;
};

// The host in force; the Qt host unless another was installed.
CModalHost& ModalHost();
// Installs a host and returns the previous one; null restores the Qt host.
CModalHost* SetModalHost(CModalHost* pHost);

// MessageBox and AfxMessageBox, as the program calls them.
int MessageBox(QWidget* pParent, const std::string& text, const std::string& caption, UINT nType);
int AfxMessageBox(const std::string& text, UINT nType = MB_OK);
