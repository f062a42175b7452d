#include "CoverDrawing.h"

#include "MulDiv.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <QPainter>

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

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

// Left, top, one line, clipped to the rectangle. An ampersand in a cover text is an
// ampersand ("Rock & Roll"), not the mark of an underlined letter.
constexpr UINT kCoverTextFormat = DT_NOPREFIX | DT_SINGLELINE;
const char* const kEllipsis = "\xE2\x80\xA6"; // …

struct ListingRow
{
    std::string number;
    std::string title;
    std::string length;
    bool Filled() const { return !title.empty() || !length.empty(); }
};

// The rows of an encoded listing, each cell on one line (a cell that holds a line break,
// from a cover made elsewhere, would put every later number and length one row off).
std::vector<ListingRow> ListingRows(const std::string& strText)
{
    std::vector<ListingRow> rows;
    size_t column = 0;
    for (const std::string& cell : DecodeTrackListingCells(strText)) {
        if (column == 0)
            rows.emplace_back();
        std::string& target = column == 0   ? rows.back().number
                              : column == 1 ? rows.back().title
                                            : rows.back().length;
        target = OneLineCell(cell);
        column = (column + 1) % 3;
    }
    return rows;
}

// The widest of the cells a member picks, in the context's font.
int WidestCell(CDC& dc, const std::vector<ListingRow>& rows, std::string ListingRow::*cell)
{
    int widest = 0;
    for (const ListingRow& row : rows)
        widest = std::max(widest, static_cast<int>(dc.GetTextExtent(row.*cell).cx));
    return widest;
}

// One line of text in a rectangle one line high, cut with an ellipsis where it is wider.
void DrawLine(CDC& dc, const std::string& strText, CRect rect, UINT nFormat, TextFit* pFit)
{
    bool cut = false;
    const std::string shown = TextToFit(dc, strText, rect.Width(), &cut);
    if (cut && pFit)
        ++pFit->nTextsCut;
    dc.DrawText(shown, &rect, nFormat);
}

// Draws the title at the top of the rectangle and returns the rectangle left for what follows.
CRect DrawTitle(CDC& dc, const std::string& strTitle, CRect rect, TextFit* pFit)
{
    const int lineHeight = dc.GetTextExtent("A").cy;
    if (strTitle.empty())
        return rect;
    DrawLine(dc, OneLineCell(strTitle), CRect(rect.left, rect.top, rect.right, rect.top + lineHeight),
             kCoverTextFormat, pFit);
    rect.top += lineHeight;
    return rect;
}

// Counts the rows from one on that hold a title or a length: the tracks not shown.
int TracksFrom(const std::vector<ListingRow>& rows, size_t nFirst)
{
    return static_cast<int>(std::count_if(rows.begin() + static_cast<long>(nFirst), rows.end(),
                                          [](const ListingRow& row) { return row.Filled(); }));
}

} // namespace

std::string TextToFit(CDC& dc, const std::string& strText, int nWidth, bool* pCut)
{
    *pCut = false;
    if (dc.GetTextExtent(strText).cx <= nWidth)
        return strText;
    *pCut = true;
    const QString text = ToQString(strText);
    int low = 0;
    int high = text.size();
    const auto fits = [&](int count) {
        return dc.GetTextExtent(FromQString(text.left(count).trimmed()) + kEllipsis).cx <= nWidth;
    };
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low > 0 || fits(0) ? FromQString(text.left(low).trimmed()) + kEllipsis : std::string();
}

// Each row on its own line: the number at the left, the title a space after the widest
// number and ending a space before the widest length, cut with an ellipsis where it would
// run on, the length against the right edge. Rows below the rectangle are not drawn.
void DrawTrackListing(CDC& dc, const std::string& strTitle, const std::string& strText, CRect rect,
                      TextFit* pFit)
{
    rect = DrawTitle(dc, strTitle, rect, pFit);
    const std::vector<ListingRow> rows = ListingRows(strText);
    const int lineHeight = dc.GetTextExtent("A").cy;
    const int space = dc.GetTextExtent(" ").cx;
    const int numbers = WidestCell(dc, rows, &ListingRow::number);
    const int lengths = WidestCell(dc, rows, &ListingRow::length);
    const int titleLeft = rect.left + (numbers > 0 ? numbers + space : 0);
    const int titleRight = rect.right - (lengths > 0 ? lengths + space : 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int top = rect.top + static_cast<int>(i) * lineHeight;
        if (top + lineHeight > rect.bottom) {
            if (pFit)
                pFit->nRowsHidden += TracksFrom(rows, i);
            return;
        }
        const ListingRow& row = rows[i];
        CRect number(rect.left, top, rect.right, top + lineHeight);
        dc.DrawText(row.number, &number, kCoverTextFormat);
        bool cut = false;
        CRect title(titleLeft, top, titleRight, top + lineHeight);
        const std::string shown = TextToFit(dc, row.title, title.Width(), &cut);
        dc.DrawText(shown, &title, kCoverTextFormat);
        if (cut && pFit)
            ++pFit->nTitlesCut;
        CRect length(rect.left, top, rect.right, top + lineHeight);
        dc.DrawText(row.length, &length, kCoverTextFormat | DT_RIGHT);
    }
}

// The title, then each line of the text (a CR, an LF or a pair of them ends one), cut with
// an ellipsis at the right edge; lines below the rectangle are not drawn.
void DrawTitledText(CDC& dc, const std::string& strTitle, const std::string& strText, CRect rect,
                    TextFit* pFit)
{
    rect = DrawTitle(dc, strTitle, rect, pFit);
    const int lineHeight = dc.GetTextExtent("A").cy;
    const QStringList lines = ToQString(strText).split(QRegularExpression(QStringLiteral("\r\n|\n\r|\r|\n")));
    const int count = lines.size() - (lines.size() > 1 && lines.last().isEmpty() ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const int top = rect.top + i * lineHeight;
        if (top + lineHeight > rect.bottom) {
            if (pFit)
                pFit->nLinesHidden += count - i;
            return;
        }
        DrawLine(dc, FromQString(lines[i]), CRect(rect.left, top, rect.right, top + lineHeight),
                 kCoverTextFormat, pFit);
    }
}
