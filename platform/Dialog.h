// The class library's modal dialog on QDialog: DoModal runs it through the modal host,
// OnInitDialog prepares it at the start of every run, and the codes it ends with keep
// their Windows values (IDOK, IDCANCEL, IDYES, ...). Esc and the close button reach
// OnCancel, as they do on Windows.
#pragma once

#include "WinTypes.h"

#include <QDialog>

class CDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDialog(QWidget* pParent = nullptr);

    // Runs the dialog modally and returns the code it ended with.
    int DoModal();
    // The modal run itself, as the host performs it: initialise, then Qt's modal loop.
    int RunModalLoop();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    void accept() override;
    void reject() override;
};
