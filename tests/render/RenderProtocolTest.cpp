// How renderers are asked to draw: the font resolution they fix on first use, and the two
// paint requests that make one visible drawing.
#include "DVDCoverButton.h"
#include "FlatButton.h"
#include "RenderTestSupport.h"
#include "SlimlineCoverButton.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

template <typename Renderer> class RendererProtocol : public testing::Test
{
protected:
    void SetUp() override
    {
        renderer.m_nWidth = 60;
        renderer.m_nHeight = 40;
        renderer.m_nSpineWidth = 6;
    }

    void DrawOn(int ppi)
    {
        QImage page = BlankPage(60, 40, ppi);
        CDC dc;
        dc.Attach(&page);
        renderer.Draw(&dc, CRect(0, 0, 60, 40), 0, &dc);
    }

    void PrintOn(int ppi, int fontDpi)
    {
        QImage page = BlankPage(60, 40, ppi);
        CDC dc;
        dc.Attach(&page);
        renderer.DrawForPrint(&dc, CRect(0, 0, 60, 40), fontDpi);
    }

    Renderer renderer;
};

using Renderers = testing::Types<CMyFlatButton, CDVDCoverButton, CSlimlineCoverButton>;
TYPED_TEST_SUITE(RendererProtocol, Renderers);

// A preview that notes each drawing and the background it drew with.
class CountingPreview : public CMyFlatButton
{
public:
    using CMyFlatButton::CMyFlatButton;
    void Draw(CDC* pDC, CRect rect, UINT nState, HDC hDC) override
    {
        ++draws;
        drawnColour = m_crBackground;
        CMyFlatButton::Draw(pDC, rect, nState, hDC);
    }
    int draws = 0;
    COLORREF drawnColour = 0;
};

// A main window stand-in: every paint fills the preview with the cover of the moment, as
// the real one copies the cover record into its renderer.
class PreviewHost : public QWidget
{
public:
    PreviewHost()
    {
        resize(200, 160);
        preview = new CountingPreview(this);
        preview->setGeometry(20, 20, 120, 90);
        preview->m_bShowBorder = false;
        preview->m_bShowSpineGuides = false;
    }

    void FillPreview()
    {
        preview->m_nWidth = 240;
        preview->m_nHeight = 180;
        preview->m_dScaleX = preview->m_dScaleY = 0.5;
        preview->m_crBackground = colour;
    }

    CountingPreview* preview;
    int paints = 0;
    COLORREF colour = RGB(0, 0, 0);

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        FillPreview();
    }
};

class PreviewPaint : public testing::Test
{
protected:
    // Paints what has been asked to repaint, without running an event loop.
    void DeliverUpdateRequests() { QCoreApplication::sendPostedEvents(&host, QEvent::UpdateRequest); }

    PreviewHost host;
};

} // namespace

TYPED_TEST(RendererProtocol, FontResolutionIsUnsetUntilTheFirstDrawThenStaysTheFirstDevices)
{
    EXPECT_EQ(this->renderer.m_nFontDpi, -1);
    this->DrawOn(120);
    EXPECT_EQ(this->renderer.m_nFontDpi, 120);
    this->DrawOn(96);
    EXPECT_EQ(this->renderer.m_nFontDpi, 120);
}

TYPED_TEST(RendererProtocol, DrawForPrintSetsTheFontResolutionEveryTime)
{
    this->DrawOn(120);
    this->PrintOn(600, 96);
    EXPECT_EQ(this->renderer.m_nFontDpi, 96);
    this->PrintOn(300, 72);
    EXPECT_EQ(this->renderer.m_nFontDpi, 72);
}

TEST_F(PreviewPaint, FirstRequestOnlyHasTheParentRepaintAndTheSecondDrawsTheCoverOfThatMoment)
{
    host.setAttribute(Qt::WA_DontShowOnScreen); // painted through Qt, never put on a screen
    host.show();

    DeliverUpdateRequests(); // the window's first paint
    EXPECT_EQ(host.paints, 1);
    EXPECT_EQ(host.preview->draws, 0);
    EXPECT_FALSE(host.preview->m_bRedrawPending);

    host.colour = RGB(10, 200, 30); // the cover changes before the parent repaints
    DeliverUpdateRequests();        // the repaint the preview asked for
    EXPECT_EQ(host.paints, 2);
    EXPECT_EQ(host.preview->draws, 1);
    EXPECT_EQ(host.preview->drawnColour, RGB(10, 200, 30));
    EXPECT_TRUE(host.preview->m_bRedrawPending);

    DeliverUpdateRequests(); // drawing asks for nothing more
    EXPECT_EQ(host.paints, 2);
    EXPECT_EQ(host.preview->draws, 1);
}

TEST_F(PreviewPaint, OnlyTheSecondOfTwoPaintsShowsTheCover)
{
    host.colour = RGB(10, 200, 30);
    host.FillPreview();
    const QPoint middle(host.preview->width() / 2, host.preview->height() / 2);

    const QImage first = host.preview->grab().toImage();
    const QImage second = host.preview->grab().toImage();

    EXPECT_NE(PixelAt(first, middle.x(), middle.y()), Rgb(10, 200, 30));
    EXPECT_EQ(PixelAt(second, middle.x(), middle.y()), Rgb(10, 200, 30));
    EXPECT_EQ(host.preview->draws, 1);
}
