// The modal host of the running program: real Qt message boxes and dialogs.
#pragma once

#include "FileDialog.h"
#include "ModalHost.h"

#include <QMessageBox>

class CQtModalHost : public CModalHost
{
public:
    int MessageBox(QWidget* pParent, const std::string& text, const std::string& caption,
                   UINT nType) override;
    int DoModal(CDialog& dialog) override;
    int FileDialog(CFileDialog& dialog) override;
    int PrintDialog(QPrinter& printer, QWidget* pParent) override;
    int ChooseColor(COLORREF* pColor, QWidget* pParent) override;
};

class QFileDialog;
// Sets up a Qt file dialog as a Windows file dialog asks: open or save, the filters (shown
// as their descriptions, matching names whatever their case, as Windows does), the initial
// folder, and neither an overwrite question nor a must-exist check of its own.
void PrepareQtFileDialog(QFileDialog& qtDialog, const CFileDialog& dialog);
// The name filter Qt takes for one Windows pair: the description kept as it reads, the
// patterns made case-insensitive ("*.jpg" matches "PHOTO.JPG").
QString QtNameFilter(const FilterPair& pair);

// A Qt message box that answers as a Windows message box: it returns the Windows result
// code, and Esc or the close button count only where Windows lets them (a box without
// a Cancel button can be dismissed that way only when it has a single OK button).
class CWinMessageBox : public QMessageBox
{
public:
    CWinMessageBox(QWidget* pParent, const std::string& text, const std::string& caption, UINT nType);

    int Result() const { return m_nResult; }
    // The Windows result of each button, for tests that press them.
    QAbstractButton* ButtonFor(int nResult) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void AddButtons(UINT nType);
    int EscapeResult() const;

    int m_nResult = 0;
    std::vector<std::pair<QAbstractButton*, int>> m_buttons;
};
