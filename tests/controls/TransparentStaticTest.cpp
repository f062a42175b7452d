#include "TransparentStatic.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A parent that paints itself one colour, as the dialogs paint their white client area.
class CColouredParent : public QWidget
{
public:
    explicit CColouredParent(QColor colour) : m_colour(colour) { resize(300, 60); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

int CountPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000) ? 1 : 0;
    return count;
}

} // namespace

TEST(TransparentStatic, DrawsItsTextInItsColourOnTheParentsBackground)
{
    CColouredParent parent(QColor(0, 128, 0));
    CTransparentStatic label(&parent);
    label.setGeometry(10, 10, 280, 30);
    label.SetTextColor(RGB(255, 255, 0));
    label.SetWindowText("Please choose the type of cover");
    parent.show();
    const QImage shot = parent.grab().toImage();
    const QRect area(10, 10, 280, 30);
    EXPECT_GT(CountPixels(shot, area, qRgb(0, 128, 0)), 0);     // the parent shows around the letters
    EXPECT_GT(CountPixels(shot, area, qRgb(255, 255, 0)), 10);  // the letters in the owner's colour
    EXPECT_EQ(CountPixels(shot, area, qRgb(240, 240, 240)), 0); // no face colour of its own
}

TEST(TransparentStatic, AShorterTextLeavesNoTraceOfTheLongerOne)
{
    CColouredParent parent(QColor(255, 255, 255));
    CTransparentStatic label(&parent);
    label.setGeometry(10, 10, 280, 30);
    parent.show();
    label.SetWindowText("A much longer text than the next");
    label.SetWindowText("Short");
    EXPECT_EQ(label.GetWindowText(), "Short");
    const QImage shot = parent.grab().toImage();
    // Everything right of the short text is the parent's white again.
    EXPECT_EQ(CountPixels(shot, QRect(80, 10, 210, 30), qRgb(255, 255, 255)), 210 * 30);
}
