#include "Dialog.h"

#include "ModalHost.h"

CDialog::CDialog(QWidget* pParent) : QDialog(pParent)
{
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

void CDialog::accept()
{
    OnOK();
}

void CDialog::reject()
{
    OnCancel();
}
