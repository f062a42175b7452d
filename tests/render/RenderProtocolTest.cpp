// How renderers are asked to draw: the font resolution they fix on first use.
#include "CdCoverRenderer.h"
#include "DvdCoverRenderer.h"
#include "RenderTestSupport.h"
#include "SlimlineCoverRenderer.h"

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

using Renderers = testing::Types<CCdCoverRenderer, CDvdCoverRenderer, CSlimlineCoverRenderer>;
TYPED_TEST_SUITE(RendererProtocol, Renderers);

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
