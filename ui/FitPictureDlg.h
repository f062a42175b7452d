// "Fit Picture": a picture whose proportions are not those of the area it will fill is
// shown with a frame of the area's proportions, which the user moves and resizes. "Crop"
// (the default: Enter) keeps the framed part, "Stretch" stretches the whole picture over the
// area as covers always did, Cancel leaves the side as it was.
#pragma once

#include "Dialog.h"

#include <string>

class CFitFrameView;

class CFitPictureDlg : public CDialog
{
    Q_OBJECT

public:
    // What DoModal ends with: Crop is IDOK, Stretch IDNO, Cancel IDCANCEL.
    static constexpr int kCrop = IDOK;
    static constexpr int kStretch = IDNO;

    // The picture file, its upright size, and the area's width over its height.
    CFitPictureDlg(const std::string& strPicture, const QSize& pictureSize, double dAspect,
                   QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    CFitFrameView* FrameView() const { return m_pView; }
    // The framed part, in the upright picture's pixels.
    QRect Frame() const;
    void SetFrame(const QRect& frame);

private:
    CFitFrameView* m_pView = nullptr;
};
