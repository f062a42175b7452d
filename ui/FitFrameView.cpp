#include "FitFrameView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kStep = 0.01;      // of the picture, for a key or a wheel notch
constexpr double kLargeStep = 0.10; // with Shift
constexpr double kCornerReach = 12; // screen pixels around a corner that resize
constexpr int kLongestShown = 560;  // the picture's longest side on screen

} // namespace

CFitFrameView::CFitFrameView(const QImage& picture, const QSize& pictureSize, double dAspect,
                             QWidget* pParent)
    : QWidget(pParent), m_picture(picture), m_pictureSize(pictureSize), m_dAspect(dAspect)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Picture and frame"));
    m_frame = LargestCentredFrame();
}

QSize CFitFrameView::sizeHint() const
{
    return m_pictureSize.scaled(kLongestShown, kLongestShown, Qt::KeepAspectRatio);
}

QRectF CFitFrameView::LargestCentredFrame() const
{
    const double width = m_pictureSize.width();
    const double height = m_pictureSize.height();
    const QSizeF size =
        width / height > m_dAspect ? QSizeF(height * m_dAspect, height) : QSizeF(width, width / m_dAspect);
    return QRectF(QPointF((width - size.width()) / 2, (height - size.height()) / 2), size);
}

QRectF CFitFrameView::Fitted(QRectF frame) const
{
    const QRectF largest = LargestCentredFrame();
    const double width = std::clamp(frame.width(), std::min(8.0, largest.width()), largest.width());
    const QPointF centre = frame.center();
    frame = QRectF(0, 0, width, width / m_dAspect);
    frame.moveCenter(centre);
    frame.moveLeft(std::clamp(frame.left(), 0.0, m_pictureSize.width() - frame.width()));
    frame.moveTop(std::clamp(frame.top(), 0.0, m_pictureSize.height() - frame.height()));
    return frame;
}

QRect CFitFrameView::Frame() const
{
    const QRect frame(
        static_cast<int>(std::lround(m_frame.left())), static_cast<int>(std::lround(m_frame.top())),
        static_cast<int>(std::lround(m_frame.width())), static_cast<int>(std::lround(m_frame.height())));
    return frame.intersected(QRect(QPoint(0, 0), m_pictureSize));
}

void CFitFrameView::SetFrame(const QRectF& frame)
{
    m_frame = Fitted(frame);
    update();
}

void CFitFrameView::MoveFrame(double dRight, double dDown)
{
    SetFrame(m_frame.translated(dRight * m_pictureSize.width(), dDown * m_pictureSize.height()));
}

void CFitFrameView::GrowFrame(double dShare)
{
    const double width = m_frame.width() + dShare * m_pictureSize.width();
    QRectF grown(0, 0, width, width / m_dAspect);
    grown.moveCenter(m_frame.center());
    SetFrame(grown);
}

QRectF CFitFrameView::PicturePlace() const
{
    const QSizeF shown = QSizeF(m_pictureSize).scaled(size(), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

QRectF CFitFrameView::OnScreen(const QRectF& frame) const
{
    const QRectF place = PicturePlace();
    const double scale = place.width() / m_pictureSize.width();
    return QRectF(place.topLeft() + frame.topLeft() * scale, frame.size() * scale);
}

QPointF CFitFrameView::InPicture(const QPointF& at) const
{
    const QRectF place = PicturePlace();
    return (at - place.topLeft()) * (m_pictureSize.width() / place.width());
}

// The picture, dimmed outside the frame, and the frame's outline with its corner handles.
void CFitFrameView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF place = PicturePlace();
    painter.drawImage(place, m_picture);
    const QRectF frame = OnScreen(m_frame);
    QPainterPath outside;
    outside.addRect(place);
    outside.addRect(frame);
    painter.fillPath(outside, QColor(0, 0, 0, 140));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(frame);
    painter.setPen(QPen(hasFocus() ? palette().highlight().color() : Qt::black, 1, Qt::DashLine));
    painter.drawRect(frame);
    for (const QPointF corner : {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()})
        painter.fillRect(QRectF(corner - QPointF(4, 4), QSizeF(8, 8)), Qt::white);
}

void CFitFrameView::mousePressEvent(QMouseEvent* event)
{
    const QRectF frame = OnScreen(m_frame);
    const QPointF at = event->position();
    const QPointF corners[] = {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()};
    const bool nearCorner = std::any_of(std::begin(corners), std::end(corners), [&at](const QPointF& corner) {
        return (corner - at).manhattanLength() <= kCornerReach;
    });
    m_drag = nearCorner ? Drag::Resize : frame.contains(at) ? Drag::Move : Drag::None;
    m_dragStart = InPicture(at);
    m_frameAtStart = m_frame;
    setFocus();
}

// While a button is held, moving drags the frame along, resizing grows it about its centre.
void CFitFrameView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = InPicture(event->position());
    if (m_drag == Drag::Move) {
        SetFrame(m_frameAtStart.translated(at - m_dragStart));
    } else if (m_drag == Drag::Resize) {
        const QPointF centre = m_frameAtStart.center();
        const double width =
            2 * std::max(std::abs(at.x() - centre.x()), std::abs(at.y() - centre.y()) * m_dAspect);
        QRectF resized(0, 0, width, width / m_dAspect);
        resized.moveCenter(centre);
        SetFrame(resized);
    }
}

void CFitFrameView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    const double step = event->modifiers() & Qt::ShiftModifier ? kLargeStep : kStep;
    GrowFrame(notches * step);
    event->accept();
}

void CFitFrameView::keyPressEvent(QKeyEvent* event)
{
    const double step = event->modifiers() & Qt::ShiftModifier ? kLargeStep : kStep;
    switch (event->key()) {
    case Qt::Key_Left:
        MoveFrame(-step, 0);
        break;
    case Qt::Key_Right:
        MoveFrame(step, 0);
        break;
    case Qt::Key_Up:
        MoveFrame(0, -step);
        break;
    case Qt::Key_Down:
        MoveFrame(0, step);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_PageUp:
        GrowFrame(step);
        break;
    case Qt::Key_Minus:
    case Qt::Key_PageDown:
        GrowFrame(-step);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
