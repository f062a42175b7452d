// The frame of Fit Picture follows the mouse and the wheel, keeps the area's proportions and
// stays on the picture.
#include "FitFrameView.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

TEST(FitFrame, TheMouseMovesAndTheWheelResizesWithinThePicture)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    CFitFrameView view(picture, QSize(1600, 1200), 1.0); // a square area; shown at a quarter
    view.resize(400, 300);
    EXPECT_EQ(view.Frame(), QRect(200, 0, 1200, 1200));

    // Dragged from inside the frame 20 screen pixels left: 80 picture pixels.
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(200, 150));
    QMouseEvent move(QEvent::MouseMove, QPointF(180, 150), QPointF(180, 150), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(180, 150));
    EXPECT_EQ(view.Frame(), QRect(120, 0, 1200, 1200));

    // Two notches towards the user shrink it about its centre by a fiftieth of the picture's width.
    QWheelEvent wheel(QPointF(200, 150), view.mapToGlobal(QPointF(200, 150)), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_EQ(view.Frame(), QRect(136, 16, 1168, 1168));

    // It never leaves the picture, and never grows past the largest square.
    view.MoveFrame(-1, -1);
    EXPECT_EQ(view.Frame().topLeft(), QPoint(0, 0));
    view.GrowFrame(1);
    EXPECT_EQ(view.Frame().size(), QSize(1200, 1200));
}
