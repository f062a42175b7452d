// The main window: resets the cover when it opens, applies the stored kind of case and
// any cover file waiting to be loaded, and ends with IDOK for a new cover or IDYES when
// the user closes the program.
#pragma once

#include "Dialog.h"

#include <string>

class QLabel;

class CCoverMainDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CCoverMainDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnCancel() override;

    // The cover file to open on the next run of this window; emptied once it has been read.
    std::string pendingLoadPath;

private:
    void LoadCoverFile();
    void OnStartOver();

    QLabel* m_pCoverKind = nullptr;
};
