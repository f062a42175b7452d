#include "NewCoverDlg.h"

#include "CoverSettings.h"
#include "CoverState.h"
#include "resource.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CNewCoverDlg::CNewCoverDlg(QWidget* pParent) : CDialog(pParent), m_pChoices(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Create A New Cover"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please choose the type of cover you would like to create:"), this));
    AddChoice(IDC_STANDARD_CD, StandardCD, "Standard CD Case");
    AddChoice(IDC_SLIMLINE_CD, SlimlineCD, "Slimline CD Case");
    AddChoice(IDC_STANDARD_DVD, StandardDVD, "Standard DVD Case");
    AddChoice(IDC_SLIMLINE_DVD, SlimlineDVD, "Slimline DVD Case");
    // A custom case is reachable only from a stored setting, so its choice stays hidden.
    AddChoice(IDC_OTHER_SIZE, CustomSize, "Other:");
    ChoiceButton(IDC_OTHER_SIZE)->hide();
    auto* continueButton = new QPushButton(QStringLiteral("Continue"), this);
    continueButton->setDefault(true);
    layout->addWidget(continueButton, 0, Qt::AlignRight);
    connect(continueButton, &QPushButton::clicked, this, [this] { OnOK(); });
}

void CNewCoverDlg::AddChoice(int nId, int nCoverType, const char* text)
{
    auto* button = new QRadioButton(QString::fromUtf8(text), this);
    m_pChoices->addButton(button, nId);
    layout()->addWidget(button);
    m_choices.push_back({nId, nCoverType, button});
}

QRadioButton* CNewCoverDlg::ChoiceButton(int nId) const
{
    for (const Choice& choice : m_choices)
        if (choice.nId == nId)
            return choice.pButton;
    return nullptr;
}

BOOL CNewCoverDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CCoverSettings settings;
    m_pChoices->setExclusive(false);
    for (const Choice& choice : m_choices)
        choice.pButton->setChecked(static_cast<DWORD>(choice.nCoverType) == settings.m_dwOption);
    m_pChoices->setExclusive(true);
    return TRUE;
}

void CNewCoverDlg::OnOK()
{
    CCoverSettings settings;
    DWORD option = StandardCD;
    for (const Choice& choice : m_choices)
        if (choice.pButton->isChecked())
            option = static_cast<DWORD>(choice.nCoverType);
    settings.m_dwOption = option;
    settings.SaveValues();
    EndDialog(IDOK);
}
