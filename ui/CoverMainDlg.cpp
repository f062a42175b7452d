#include "CoverMainDlg.h"

#include "CoverSettings.h"
#include "CoverState.h"
#include "ModalHost.h"
#include "resource.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* CoverKindName(CoverType type)
{
    switch (type) {
    case StandardCD:
        return "Standard CD cover";
    case StandardDVD:
        return "Standard DVD cover";
    case SlimlineCD:
        return "Slimline CD cover";
    case SlimlineDVD:
        return "Slimline DVD cover";
    case CustomSize:
        return "Custom size cover";
    default:
        return "Cover";
    }
}

} // namespace

CCoverMainDlg::CCoverMainDlg(QWidget* pParent) : CDialog(pParent)
{
    setWindowTitle(QStringLiteral("Sleevora"));
    auto* layout = new QVBoxLayout(this);
    m_pCoverKind = new QLabel(this);
    layout->addWidget(m_pCoverKind);
    auto* startOver = new QPushButton(QStringLiteral("Start Over"), this);
    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    layout->addWidget(startOver);
    layout->addWidget(exitButton);
    connect(startOver, &QPushButton::clicked, this, [this] { OnStartOver(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { OnCancel(); });
}

BOOL CCoverMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CoverState& cover = TheCover();
    const CCoverSettings settings;
    const auto opening = static_cast<CoverType>(settings.m_dwOption);
    cover.ResetFlags();
    cover.ResetContent(logicalDpiY(), opening);
    cover.covertype = opening;
    if (!pendingLoadPath.empty()) {
        LoadCoverFile();
        pendingLoadPath.clear();
    }
    m_pCoverKind->setText(QString::fromUtf8(CoverKindName(cover.covertype)));
    return TRUE;
}

void CCoverMainDlg::LoadCoverFile()
{
    // Reading cover files comes with the cover file format; until then the reset cover stays.
}

void CCoverMainDlg::OnStartOver()
{
    TheCover().coverChanged = false;
    EndDialog(IDOK);
}

void CCoverMainDlg::OnCancel()
{
    if (MessageBox(this, "Are you sure you want to close Sleevora?", "Exit", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    EndDialog(IDYES);
}
