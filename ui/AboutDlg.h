// "About Sleevora": the program's name, version, rights and the picture library it uses.
#pragma once

#include "Dialog.h"

class CAboutDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
