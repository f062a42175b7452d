#include "FitPictureDlg.h"

#include "CoverPicture.h"
#include "FitFrameView.h"
#include "QtConvert.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The picture as the dialog shows it: decoded no larger than the screen needs, upright.
QImage ShownPicture(const std::string& strPicture)
{
    FIBITMAP* picture = LoadCoverPictureFor(strPicture, 800);
    const QImage image = CoverPictureImage(picture);
    if (picture)
        FreeImage_Unload(picture);
    return image;
}

} // namespace

CFitPictureDlg::CFitPictureDlg(const std::string& strPicture, const QSize& pictureSize, double dAspect,
                               QWidget* pParent)
    : CDialog(pParent)
{
    setWindowTitle(QStringLiteral("Fit Picture"));
    auto* explanation = new QLabel(
        QStringLiteral("The picture's proportions differ from the cover's. Move and resize the frame over "
                       "the part to keep (mouse, wheel, arrow keys, + and -; Shift for large steps)."),
        this);
    explanation->setWordWrap(true);
    m_pView = new CFitFrameView(ShownPicture(strPicture), pictureSize, dAspect, this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* crop = buttons->addButton(QStringLiteral("&Crop"), QDialogButtonBox::AcceptRole);
    QPushButton* stretch = buttons->addButton(QStringLiteral("&Stretch"), QDialogButtonBox::DestructiveRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    crop->setDefault(true);
    connect(crop, &QPushButton::clicked, this, [this] { EndDialog(kCrop); });
    connect(stretch, &QPushButton::clicked, this, [this] { EndDialog(kStretch); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_pView, 1);
    layout->addWidget(buttons);
}

BOOL CFitPictureDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pView->setFocus(); // the arrow keys move the frame from the start; Enter crops
    return TRUE;
}

QRect CFitPictureDlg::Frame() const
{
    return m_pView->Frame();
}

void CFitPictureDlg::SetFrame(const QRect& frame)
{
    m_pView->SetFrame(frame);
}
