#include "AboutDlg.h"

#include "DialogTemplates.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : CDialog(pParent)
{
    CreateFromTemplate(AboutTemplate());
}
