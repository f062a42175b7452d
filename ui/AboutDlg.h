// "About Sleevora": the program's name, version and rights, and below them the libraries it
// uses, each with its licence and where the licence's text is.
#pragma once

#include "Dialog.h"

class CAboutDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
    BOOL OnInitDialog() override;

private:
    class QPlainTextEdit* m_pCredits;
};

// The libraries credited in the About box, one line each.
QString LibraryCredits();
