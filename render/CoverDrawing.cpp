#include "CoverDrawing.h"

#include "MulDiv.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <QPainter>

#include <array>

COffscreenCover::COffscreenCover(CDC* pTarget, int nWidth, int nHeight, const CRect* pStraightInto)
    : m_nWidth(nWidth), m_nHeight(nHeight)
{
    if (pStraightInto && pTarget->Painter()) {
        m_pStraight = pTarget->Painter();
        m_pStraight->save();
        m_pStraight->translate(pStraightInto->left, pStraightInto->top);
        m_pStraight->setClipRect(QRect(0, 0, nWidth, nHeight),
                                 m_pStraight->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        m_dc.AttachPainter(m_pStraight);
        m_dc.SetPrinting(pTarget->IsPrinting());
        m_dc.SetStretchBltMode(COLORONCOLOR);
        return;
    }
    m_dc.CreateCompatibleDC(pTarget);
    m_bitmap.CreateCompatibleBitmap(pTarget, nWidth, nHeight);
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    m_dc.SetStretchBltMode(COLORONCOLOR);
}

COffscreenCover::~COffscreenCover()
{
    if (m_pStraight) {
        m_dc.DeleteDC();
        m_pStraight->restore();
        return;
    }
    m_dc.SelectObject(m_pOldBitmap);
}

void COffscreenCover::Fill(COLORREF cr)
{
    CBrush brush(cr);
    CBrush* pOldBrush = m_dc.SelectObject(&brush);
    m_dc.PatBlt(0, 0, m_nWidth, m_nHeight, PATCOPY);
    m_dc.SelectObject(pOldBrush);
}

void COffscreenCover::ShrinkOnto(CDC* pTarget, const CRect& rect)
{
    if (m_pStraight)
        return; // drawn in place already
    m_dc.StretchBlt(0, 0, rect.Width(), rect.Height(), &m_dc, 0, 0, m_nWidth, m_nHeight, SRCCOPY);
    pTarget->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &m_dc, 0, 0, SRCCOPY);
}

CSelectedFont::CSelectedFont(CDC& dc, const LOGFONT& lf, COLORREF crText) : m_dc(dc)
{
    m_font.CreateFontIndirect(&lf);
    m_pOldFont = m_dc.SelectObject(&m_font);
    m_dc.SetTextColor(crText);
}

CSelectedFont::~CSelectedFont()
{
    m_dc.SelectObject(m_pOldFont);
}

LOGFONT SpineFont(const LOGFONT& lfText, int nPoints, int nLogPixelsY, LONG lEscapement)
{
    LOGFONT lf = lfText;
    lf.lfHeight = -MulDiv(nPoints, nLogPixelsY, 72);
    lf.lfEscapement = lEscapement;
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = 0;
    return lf;
}

LOGFONT TextFontForTarget(const LOGFONT& lfText, int nFontDpi, int nLogPixelsY)
{
    LOGFONT lf = lfText;
    const int points = nFontDpi > 0 ? static_cast<int>(-lfText.lfHeight * 72 / nFontDpi) : 0;
    lf.lfHeight = -MulDiv(points, nLogPixelsY, 72);
    return lf;
}

namespace {

// Left, top, no wrap, clipped to the rectangle. An ampersand in a cover text is an
// ampersand ("Rock & Roll"), not the mark of an underlined letter.
constexpr UINT kCoverTextFormat = DT_NOPREFIX;

struct ListingColumns
{
    std::array<std::string, 3> text;
    std::string longestFirst; // the first of the first-column cells with the most characters
};

// Deals the cells to the three columns, each cell on a line of its own (ended by a
// carriage return) so that the columns stay row by row.
ListingColumns SplitIntoColumns(const std::string& strText)
{
    ListingColumns columns;
    int longest = -1;
    size_t column = 0;
    for (const std::string& cell : DecodeTrackListingCells(strText)) {
        columns.text[column] += cell + "\r";
        const int length = static_cast<int>(ToQString(cell).size());
        if (column == 0 && length > longest) {
            longest = length;
            columns.longestFirst = cell;
        }
        column = (column + 1) % 3;
    }
    return columns;
}

// Draws the title at the top of the rectangle and returns the rectangle left for what follows.
CRect DrawTitle(CDC& dc, const std::string& strTitle, CRect rect)
{
    const int lineHeight = dc.GetTextExtent("A").cy;
    dc.DrawText(strTitle, &rect, kCoverTextFormat);
    if (!strTitle.empty())
        rect.top += lineHeight;
    return rect;
}

} // namespace

void DrawTrackListing(CDC& dc, const std::string& strTitle, const std::string& strText, CRect rect)
{
    const ListingColumns columns = SplitIntoColumns(strText);
    rect = DrawTitle(dc, strTitle, rect);
    dc.DrawText(columns.text[0], &rect, kCoverTextFormat);
    CRect second = rect;
    second.left += dc.GetTextExtent(columns.longestFirst).cx;
    dc.DrawText(columns.text[1], &second, kCoverTextFormat);
    dc.DrawText(columns.text[2], &rect, kCoverTextFormat | DT_RIGHT);
}

void DrawTitledText(CDC& dc, const std::string& strTitle, const std::string& strText, CRect rect)
{
    rect = DrawTitle(dc, strTitle, rect);
    dc.DrawText(strText, &rect, kCoverTextFormat);
}
