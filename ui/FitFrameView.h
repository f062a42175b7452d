// The picture of the Fit Picture dialog with the frame that says which part of it the cover
// shows. The frame keeps the proportions of the area it will fill and stays on the picture.
// The mouse drags it (inside it moves, near a corner it resizes), the wheel resizes it about
// its centre, the arrow keys move it and + and - (or Page Up and Page Down) resize it, a
// hundredth of the picture at a time, a tenth with Shift.
#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

class CFitFrameView : public QWidget
{
    Q_OBJECT

public:
    // The picture as shown (any size) and its upright size in pixels; dAspect is the area's
    // width over its height.
    CFitFrameView(const QImage& picture, const QSize& pictureSize, double dAspect,
                  QWidget* pParent = nullptr);

    // The frame in the picture's pixels; set, it is made to fit (proportions, inside).
    QRect Frame() const;
    void SetFrame(const QRectF& frame);
    // The largest frame of the area's proportions, centred on the picture.
    QRectF LargestCentredFrame() const;

    // Moves the frame by a share of the picture; grows it (or, negative, shrinks it) by a share
    // of the picture's width about its centre.
    void MoveFrame(double dRight, double dDown);
    void GrowFrame(double dShare);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where the picture is drawn, and picture pixels to widget pixels and back.
    QRectF PicturePlace() const;
    QRectF OnScreen(const QRectF& frame) const;
    QPointF InPicture(const QPointF& at) const;
    // The frame with the area's proportions and inside the picture, its centre kept where it can be.
    QRectF Fitted(QRectF frame) const;

    QImage m_picture;
    QSize m_pictureSize;
    double m_dAspect;
    QRectF m_frame;
    enum class Drag
    {
        None,
        Move,
        Resize
    } m_drag = Drag::None;
    QPointF m_dragStart;
    QRectF m_frameAtStart;
};
