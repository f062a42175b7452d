// How renderers are asked to draw: the font resolution they fix on first use, and the
// owner's fill at the start of every paint.
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

// A main window stand-in: it fills the preview with the cover of the moment whenever the
// preview asks, as the real one copies the cover record into its renderer.
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
        QObject::connect(preview, &CCoverButton::FillRequested, this, [this] { FillPreview(); });
    }

    void FillPreview()
    {
        preview->m_nWidth = 240;
        preview->m_nHeight = 180;
        preview->m_dScaleX = preview->m_dScaleY = 0.5;
        preview->m_crBackground = colour;
    }

    CountingPreview* preview;
    COLORREF colour = RGB(0, 0, 0);
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

// Whatever made Qt paint the preview (a command, a view switch, the pointer crossing it),
// that one paint shows the cover as it is at that moment.
TEST(PreviewPaint, EveryPaintDrawsTheCoverOfThatMoment)
{
    PreviewHost host;
    const QPoint middle(host.preview->width() / 2, host.preview->height() / 2);
    for (const COLORREF colour : {RGB(10, 200, 30), RGB(10, 200, 30), RGB(200, 20, 90)}) {
        host.colour = colour;
        const QImage shown = host.preview->grab().toImage();
        EXPECT_EQ(PixelAt(shown, middle.x(), middle.y()),
                  Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    }
    EXPECT_EQ(host.preview->draws, 3);
}
