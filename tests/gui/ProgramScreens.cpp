#include "ProgramScreens.h"

#include "CoverGeometry.h"
#include "DialogTemplates.h"
#include "DialogUnits.h"
#include "FlatButton.h"
#include "InsertButtons.h"
#include "PreviewPictures.h"
#include "resource.h"

#include <QPainter>
#include <memory>
#include <utility>

namespace {

// The DVD layout moves the right-hand column to fixed pixel columns (left edges).
int DvdColumn(int nId)
{
    switch (nId) {
    case IDC_CHOOSE_IMAGE:
    case IDC_CLEAR_IMAGE:
    case IDC_TRACK_LISTING:
        return 603;
    case IDC_CHOOSE_COLOR:
    case IDC_FONT:
        return 668;
    case IDC_HELP_BUTTON:
    case IDC_EXIT:
    case IDC_PRINT:
        return 631;
    case IDC_EXTEND_IMAGE:
        return 619;
    default:
        return -1;
    }
}

int PreviewId(CoverType type, CoverSide side)
{
    switch (type) {
    case StandardDVD:
    case SlimlineDVD:
        return IDC_DVD_PREVIEW;
    case SlimlineCD:
        return IDC_SLIMLINE_PREVIEW;
    default:
        return side == CoverSide::Front ? IDC_CD_FRONT_PREVIEW : IDC_CD_BACK_PREVIEW;
    }
}

// The preview widget of a place on the main window.
std::unique_ptr<CCoverButton> PreviewWidget(CoverType type, CoverSide side)
{
    switch (type) {
    case StandardDVD:
    case SlimlineDVD:
        return std::make_unique<CDVDCoverButton>();
    case SlimlineCD:
        return std::make_unique<CSlimlineCoverButton>();
    default:
        return std::make_unique<CMyFlatButton>(nullptr, side);
    }
}

} // namespace

QRect TemplateControl(const DialogTemplate& dialogTemplate, int nId)
{
    for (const ControlTemplate& control : dialogTemplate.controls) {
        if (control.nId != nId)
            continue;
        const CRect place = DialogUnitRect(control.x, control.y, control.cx, control.cy);
        return QRect(place.left, place.top, place.Width(), place.Height());
    }
    return QRect();
}

QRect MainWindowControl(CoverType type, int nId)
{
    QRect place = TemplateControl(MainWindowTemplate(), nId);
    const bool dvd = type == StandardDVD || type == SlimlineDVD;
    if (dvd && DvdColumn(nId) >= 0)
        place.moveLeft(DvdColumn(nId));
    return place;
}

QRect PreviewPlace(CoverType type, CoverSide side)
{
    return TemplateControl(MainWindowTemplate(), PreviewId(type, side));
}

CoverState NewCover(CoverType type)
{
    CoverState cover;
    cover.ResetToDefaults(96, type);
    cover.covertype = type;
    return cover;
}

// The preview as the main window draws it, at 96 pixels an inch times the screen's scale.
QImage ExpectedPreview(const CoverState& cover, CoverSide side, double dScale)
{
    CoverGeometry geometry;
    geometry.SetForCoverType(cover.covertype, 121, 119, 151, 118);
    CPreviewPictures pictures;
    const QRect place = PreviewPlace(cover.covertype, side);
    const std::unique_ptr<CCoverButton> preview = PreviewWidget(cover.covertype, side);
    preview->resize(place.size());
    preview->ShowCover({&cover, &geometry, &pictures});
    if (dScale == 1.0)
        return preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The cover at its true proportions at the screen's own pixels, the rest white.
    const QRect drawn = preview->CoverRect();
    preview->FillFromCover(dScale);
    preview->Renderer().SetPictureSource(&pictures);
    QImage expected(place.size() * dScale, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QImage sharp = DrawPreviewAtDevicePixels(preview->Renderer(), drawn.size(), dScale, 96, 0)
                       .convertToFormat(QImage::Format_RGB32);
    sharp.setDevicePixelRatio(1.0); // placed pixel for pixel
    QPainter(&expected).drawImage(drawn.topLeft() * dScale, sharp);
    return expected;
}
