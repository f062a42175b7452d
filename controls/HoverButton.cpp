#include "HoverButton.h"

#include "AccessibleButtons.h"
#include "OffscreenDC.h"
#include "QtConvert.h"
#include "ResourceImages.h"
#include "Shell.h"
#include "TextLayout.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr size_t kMaxLinkLength = 259;
constexpr int kMaxTipWidth = 400;

// The palette stands for the system colours: button face and text, and the light and dark
// sides of a 3D edge.
COLORREF SysColor(const QWidget* pWidget, QPalette::ColorRole role)
{
    return FromQColor(pWidget->palette().color(QPalette::Active, role));
}

// A monochrome bitmap copied onto a colour context takes that context's colours: 0 bits
// its text colour, 1 bits its background colour.
void BlitMono(CDC* pDC, int x, int y, const QImage& mono, DWORD dwRop)
{
    CBitmap colour;
    if (!colour.CreateCompatibleBitmap(pDC, mono.width(), mono.height()))
        return;
    const QRgb zero = ToQColor(pDC->GetTextColor()).rgb();
    const QRgb one = ToQColor(pDC->GetBkColor()).rgb();
    QImage& pixels = colour.Image();
    for (int row = 0; row < mono.height(); ++row)
        for (int col = 0; col < mono.width(); ++col)
            pixels.setPixel(col, row, mono.pixelIndex(col, row) ? one : zero);
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    CBitmap* pOld = memDC.SelectObject(&colour);
    pDC->BitBlt(x, y, mono.width(), mono.height(), &memDC, 0, 0, dwRop);
    memDC.SelectObject(pOld);
}

// The disabled look of DrawState: the image reduced to one bit a pixel (white and
// transparent pixels are background), drawn in the 3D highlight colour one pixel down and
// right, then in the 3D shadow colour in place. It paints through alpha, not raster
// operations, so it works on a printer too.
void DrawStateDisabled(CDC* pDC, int x, int y, int cx, int cy, const QImage& image, COLORREF crHighlight,
                       COLORREF crShadow)
{
    QPainter* painter = pDC->Painter();
    if (!painter || image.isNull())
        return;
    const QImage source = image.scaled(cx, cy).convertToFormat(QImage::Format_ARGB32);
    QImage highlight(cx, cy, QImage::Format_ARGB32);
    QImage shadow(cx, cy, QImage::Format_ARGB32);
    const QRgb light = ToQColor(crHighlight).rgb();
    const QRgb dark = ToQColor(crShadow).rgb();
    for (int row = 0; row < cy; ++row)
        for (int col = 0; col < cx; ++col) {
            const QRgb pixel = source.pixel(col, row);
            const bool ink = qAlpha(pixel) >= 128 && (pixel & 0xFFFFFF) != 0xFFFFFF;
            highlight.setPixel(col, row, ink ? light : 0);
            shadow.setPixel(col, row, ink ? dark : 0);
        }
    painter->save();
    painter->drawImage(x + 1, y + 1, highlight);
    painter->drawImage(x, y, shadow);
    painter->restore();
}

// A tool tip no wider than its maximum width, broken between words as the tool-tip
// control breaks it; prefix characters are processed, as in a tip without TTS_NOPREFIX.
QString WrapTipText(const QString& text)
{
    const QFontMetrics metrics(QToolTip::font());
    const auto measure = [&metrics](const QString& line) { return metrics.horizontalAdvance(line); };
    QStringList lines;
    for (const DrawTextLine& line : LayOutDrawTextLines(text, DT_WORDBREAK, kMaxTipWidth, measure))
        lines.append(line.text);
    return lines.join(QLatin1Char('\n'));
}

// The first 259 bytes of a link, without cutting a UTF-8 character in two.
std::string CutLink(const std::string& link)
{
    if (link.size() <= kMaxLinkLength)
        return link;
    size_t cut = kMaxLinkLength;
    if (IsValidUtf8(link))
        while (cut > 0 && (static_cast<unsigned char>(link[cut]) & 0xC0) == 0x80)
            --cut;
    return link.substr(0, cut);
}

// The tab stop after pButton in its dialog, wrapping round, as GetNextDlgTabItem finds it:
// enabled, not hidden, taking focus by the Tab key.
QWidget* NextDlgTabItem(QWidget* pButton)
{
    QWidget* dialog = pButton->window();
    for (QWidget* w = pButton->nextInFocusChain(); w && w != pButton; w = w->nextInFocusChain()) {
        if (w->window() == dialog && w != dialog && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(dialog))
            return w;
    }
    return nullptr;
}

} // namespace

CHoverButton::CHoverButton(QWidget* pParent, DWORD dwStyle) : COwnerDrawButton(pParent, dwStyle)
{
    // Erasing is suppressed: every drawing covers the whole button.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves arrive with no mouse button held, as WM_MOUSEMOVE does.
    setMouseTracking(true);
    LoadSystemColors();
    // Connected before anyone else, so the click is handled before the parent hears of it.
    connect(this, &QAbstractButton::clicked, this, &CHoverButton::OnClicked);
    PreSubclassWindow();
}

CHoverButton::~CHoverButton()
{
    EmptyBackgroundCache();
    ReleaseImages();
}

// Attaching: check-box types (the type bit of value 2) make a toggle with its caption on
// the left, the default push type the default button; explicit alignment bits win; the
// button becomes owner-drawn.
void CHoverButton::PreSubclassWindow()
{
    const DWORD dwStyle = GetStyle();
    const DWORD type = dwStyle & BS_TYPEMASK;
    if (type & BS_CHECKBOX) {
        m_bToggle = true;
        m_nCaptionAlign = 1;
    }
    if (type == BS_DEFPUSHBUTTON)
        m_bDefault = true;
    switch (dwStyle & BS_CENTER) {
    case BS_LEFT:
        m_nCaptionAlign = 1;
        break;
    case BS_RIGHT:
        m_nCaptionAlign = 2;
        break;
    case BS_CENTER:
        m_nCaptionAlign = 0;
        break;
    default:
        break;
    }
    SetButtonStyle((dwStyle & ~BS_TYPEMASK) | BS_OWNERDRAW, true);
}

void CHoverButton::Redraw(BOOL bRedraw)
{
    if (bRedraw)
        update();
}

void CHoverButton::ReleaseImages()
{
    m_imageKind = ImageKind::None;
    m_icon = QImage();
    m_nIconWidth = 0;
    m_nIconHeight = 0;
    m_pBitmap.reset();
    m_bmpMask = QImage();
    m_sharpBitmap = QImage();
    m_nBitmapWidth = 0;
    m_nBitmapHeight = 0;
}

DWORD CHoverButton::AssignIcon(int nIconId, int)
{
    ReleaseImages();
    const QPixmap icon = LoadIconResource(nIconId);
    if (icon.isNull()) {
        update();
        return 1;
    }
    // An icon's hot spot is its centre: twice the hot spot is the size it is drawn at. A
    // scaled screen gets the icon's 2× copy, drawn at that same size.
    m_nIconWidth = 2 * (icon.width() / 2);
    m_nIconHeight = 2 * (icon.height() / 2);
    m_icon = LoadIconResource(nIconId, devicePixelRatioF()).toImage();
    m_imageKind = ImageKind::Icon;
    update();
    return 0;
}

DWORD CHoverButton::AssignBitmap(int nBitmapId, COLORREF crTransparent, int, COLORREF)
{
    ReleaseImages();
    const QImage bitmap = LoadBitmapResource(nBitmapId);
    if (bitmap.isNull()) {
        update();
        return 1;
    }
    m_pBitmap = std::make_unique<CBitmap>();
    m_pBitmap->Image() = bitmap.convertToFormat(QImage::Format_RGB32);
    m_nBitmapWidth = bitmap.width();
    m_nBitmapHeight = bitmap.height();
    m_crTransparent = crTransparent;
    if (!MakeBitmapMask(crTransparent)) {
        ReleaseImages();
        update();
        return 2;
    }
    m_sharpBitmap = SharpBitmap(nBitmapId, crTransparent);
    m_imageKind = ImageKind::Bitmap;
    update();
    return 0;
}

// The 2× copy of a bitmap for a scaled screen, its transparent colour made clear; null at 1×
// or when there is no such copy.
QImage CHoverButton::SharpBitmap(int nBitmapId, COLORREF crTransparent) const
{
    if (devicePixelRatioF() <= 1.0)
        return QImage();
    QImage sharp = LoadBitmapResource(nBitmapId, devicePixelRatioF());
    if (sharp.devicePixelRatio() <= 1.0)
        return QImage();
    sharp = sharp.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = ToQColor(crTransparent).rgb() & 0xFFFFFF;
    for (int y = 0; y < sharp.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(sharp.scanLine(y));
        for (int x = 0; x < sharp.width(); ++x)
            if ((row[x] & 0xFFFFFF) == transparent)
                row[x] = 0;
    }
    return sharp;
}

// The mask has 1 where the bitmap has the transparent colour, as a colour-to-monochrome
// copy with that background colour makes it. ANDed back onto the bitmap with white text
// and a black background it turns those pixels black, so that drawing can AND the mask
// onto the destination and OR the bitmap over it.
bool CHoverButton::MakeBitmapMask(COLORREF crTransparent)
{
    QImage mask(m_nBitmapWidth, m_nBitmapHeight, QImage::Format_Mono);
    if (mask.isNull())
        return false;
    mask.setColor(0, qRgb(0, 0, 0));
    mask.setColor(1, qRgb(255, 255, 255));
    const QImage& bits = m_pBitmap->Image();
    const QRgb transparent = ToQColor(crTransparent).rgb() & 0xFFFFFF;
    for (int y = 0; y < m_nBitmapHeight; ++y)
        for (int x = 0; x < m_nBitmapWidth; ++x)
            mask.setPixel(x, y, (bits.pixel(x, y) & 0xFFFFFF) == transparent ? 1 : 0);
    m_bmpMask = mask;

    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap* pOld = memDC.SelectObject(m_pBitmap.get());
    memDC.SetTextColor(kWhite);
    memDC.SetBkColor(kBlack);
    BlitMono(&memDC, 0, 0, m_bmpMask, SRCAND);
    memDC.SelectObject(pOld);
    return true;
}

DWORD CHoverButton::SetContentLayout(int nLayout, BOOL bRedraw)
{
    if (nLayout < 0 || nLayout > 3)
        return 4;
    m_nContentLayout = nLayout;
    Redraw(bRedraw);
    return 0;
}

DWORD CHoverButton::SetPressShift(int nStyle, BOOL bRedraw)
{
    if (nStyle == 0)
        m_ptPressShift = CPoint(1, 1);
    else if (nStyle == 1)
        m_ptPressShift = CPoint(0, 2);
    else
        return 6;
    Redraw(bRedraw);
    return 0;
}

DWORD CHoverButton::SetStateColor(int nIndex, COLORREF crColor, BOOL bRedraw)
{
    if (nIndex < 0 || nIndex > 5)
        return 3;
    m_crColors[nIndex] = crColor;
    m_bColorFollowsSystem[nIndex] = false;
    Redraw(bRedraw);
    return 0;
}

// Qt shows a widget's own cursor whenever the mouse is over it, which is what answering
// WM_SETCURSOR with the hover cursor does.
DWORD CHoverButton::SetHoverCursor(int nCursorId, BOOL bRedraw)
{
    unsetCursor();
    DWORD result = 0;
    QCursor cursor;
    if (nCursorId != 0) {
        if (LoadCursorResource(nCursorId, &cursor))
            setCursor(cursor);
        else
            result = 1;
    }
    Redraw(bRedraw);
    return result;
}

DWORD CHoverButton::SetEdgeOnHover(BOOL bEdgeOnHover, BOOL bRedraw)
{
    m_bEdgeOnHover = bEdgeOnHover != FALSE;
    Redraw(bRedraw);
    return 0;
}

DWORD CHoverButton::UseParentBackground(BOOL bRedraw)
{
    m_bParentBackground = true;
    EmptyBackgroundCache();
    Redraw(bRedraw);
    return 0;
}

DWORD CHoverButton::SetGreyDisabledBitmap(BOOL bGrey, BOOL bRedraw)
{
    m_bGreyDisabledBitmap = bGrey != FALSE;
    Redraw(bRedraw);
    return 0;
}

// Qt has one tool-tip window for the whole program and shows it from a widget's tip text
// when the mouse rests on the widget: that text is the button's tool, and an inactive
// tool tip is an empty text.
DWORD CHoverButton::SetTipText(const std::string& strText, BOOL bActivate)
{
    if (strText.empty())
        return 0;
    setToolTip(bActivate ? WrapTipText(ToQString(strText)) : QString());
    return 0;
}

DWORD CHoverButton::SetLink(const std::string& strLink)
{
    m_strLink.clear();
    m_strLink = CutLink(strLink);
    return 0;
}

// The desktop shows no error of its own when a link cannot be opened, and none is looked for.
void CHoverButton::ShellOpenLink(int nShowCmd) const
{
    ShellOpen(m_strLink, nShowCmd);
}

void CHoverButton::OpenLink()
{
    if (!m_strLink.empty())
        ShellOpenLink(m_bOpenMaximized ? SW_SHOWMAXIMIZED : SW_SHOWDEFAULT);
}

DWORD CHoverButton::SetCheckState(BOOL bChecked, BOOL bRedraw)
{
    SetChecked(bChecked != FALSE);
    Redraw(bRedraw);
    return 0;
}

void CHoverButton::SetFont(const CFont* pFont, BOOL bRedraw)
{
    if (pFont && pFont->IsCreated())
        setFont(ToQFont(pFont->LogFont()));
    Redraw(bRedraw);
}

int CHoverButton::SendSetCheck(int nCheck)
{
    SetChecked(nCheck == 1 || nCheck == 2);
    update();
    return 0;
}

void CHoverButton::SendSetStyle(DWORD dwStyle, BOOL bRedraw)
{
    const DWORD type = dwStyle & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        m_bDefault = type == BS_DEFPUSHBUTTON;
    SetButtonStyle((dwStyle & ~BS_TYPEMASK) | BS_OWNERDRAW, bRedraw != FALSE);
}

// An owner-drawn button's own code is DLGC_BUTTON.
UINT CHoverButton::OnGetDlgCode() const
{
    if (m_bToggle)
        return DLGC_BUTTON | DLGC_WANTCHARS;
    return DLGC_BUTTON | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void CHoverButton::OnClicked()
{
    setFocus(Qt::MouseFocusReason);
    if (m_bToggle) {
        SetChecked(!m_bChecked);
        update();
    } else if (!m_strLink.empty()) {
        ShellOpenLink(SW_SHOWMAXIMIZED);
    }
}

void CHoverButton::SetChecked(bool bChecked)
{
    if (m_bChecked == bChecked)
        return;
    m_bChecked = bChecked;
    NotifyCheckedChanged(this);
}

void CHoverButton::LoadSystemColors()
{
    const COLORREF face = SysColor(this, QPalette::Button);
    const COLORREF text = SysColor(this, QPalette::ButtonText);
    for (int i = 0; i < 6; ++i)
        if (m_bColorFollowsSystem[i])
            m_crColors[i] = i % 2 == 0 ? face : text;
}

void CHoverButton::OnSysColorChange()
{
    EmptyBackgroundCache();
    LoadSystemColors();
    update();
}

// Hover tracking: no hover begins while the left button is held (a drag), and hover lasts
// while the mouse is over this very button, whether or not the window is active.
void CHoverButton::OnMouseMove(const QPoint& globalPos, bool bLeftButtonDown)
{
    if (bLeftButtonDown && !m_bHovering)
        return;
    if (QApplication::widgetAt(globalPos) == this) {
        if (!m_bHovering) {
            m_bHovering = true;
            update();
        }
    } else {
        EndHover();
    }
}

void CHoverButton::EndHover()
{
    if (!m_bHovering)
        return;
    m_bHovering = false;
    update();
}

// Disabling hands the keyboard focus on to the next tab stop, or to the parent, whoever
// had it.
void CHoverButton::OnEnable(bool bEnabled)
{
    if (!bEnabled) {
        if (QWidget* next = NextDlgTabItem(this))
            next->setFocus(Qt::TabFocusReason);
        else if (parentWidget())
            parentWidget()->setFocus(Qt::OtherFocusReason);
    }
    EndHover();
}

// Windows reports the mouse arriving over a window as its first move there.
void CHoverButton::enterEvent(QEnterEvent* event)
{
    COwnerDrawButton::enterEvent(event);
    OnMouseMove(event->globalPosition().toPoint(), QGuiApplication::mouseButtons() & Qt::LeftButton);
}

void CHoverButton::leaveEvent(QEvent* event)
{
    COwnerDrawButton::leaveEvent(event);
    EndHover();
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event)
{
    COwnerDrawButton::mouseMoveEvent(event);
    OnMouseMove(event->globalPosition().toPoint(), event->buttons() & Qt::LeftButton);
}

// A second click that came quickly is a press like the first.
void CHoverButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        mousePressEvent(event);
    else
        COwnerDrawButton::mouseDoubleClickEvent(event);
}

// The focus cue is shown only for focus that came from the keyboard, as desktops do: a
// click on a flat button leaves it flat.
void CHoverButton::focusInEvent(QFocusEvent* event)
{
    m_bFocusCue = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                  event->reason() == Qt::ShortcutFocusReason;
    COwnerDrawButton::focusInEvent(event);
}

void CHoverButton::focusOutEvent(QFocusEvent* event)
{
    COwnerDrawButton::focusOutEvent(event);
    EndHover();
}

// Qt reports an enabled change also when a parent is disabled; WM_ENABLE comes only when
// the button itself is, so only then does the focus move on.
void CHoverButton::changeEvent(QEvent* event)
{
    COwnerDrawButton::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (isEnabled() || testAttribute(Qt::WA_ForceDisabled))
            OnEnable(isEnabled());
        else
            EndHover();
        break;
    case QEvent::PaletteChange:
        OnSysColorChange();
        break;
    case QEvent::ActivationChange:
        if (!isActiveWindow())
            EndHover();
        break;
    default:
        break;
    }
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pTarget = lpDrawItemStruct->hDC;
    CRect rcItem(lpDrawItemStruct->rcItem);
    COffscreenDC dc(pTarget, &rcItem);
    dc.FillSolidRect(&rcItem, pTarget->GetBkColor());

    const UINT state = lpDrawItemStruct->itemState;
    const bool selected = (state & ODS_SELECTED) != 0;
    m_bPressed = m_bToggle ? selected || m_bChecked : selected;
    m_bFocused = (state & ODS_FOCUS) != 0;
    m_bDisabled = (state & ODS_DISABLED) != 0;
    dc.SetBkMode(TRANSPARENT);

    if (m_bParentBackground)
        PaintParentBackground(&dc);
    else
        PaintFace(&dc, &rcItem);
    PaintEdge(&dc, &rcItem);

    const std::string caption = FromQString(text());
    const BOOL hasCaption = caption.empty() ? FALSE : TRUE;
    CRect rcCaption = rcItem;
    if (m_imageKind == ImageKind::Icon) {
        PaintIcon(&dc, hasCaption, &rcItem, &rcCaption, m_bPressed, m_bDisabled);
    } else if (m_imageKind == ImageKind::Bitmap) {
        dc.SetBkColor(kWhite);
        PaintBitmap(&dc, hasCaption, &rcItem, &rcCaption, m_bPressed, m_bDisabled);
    }
    if (hasCaption)
        PaintCaption(&dc, caption, &rcItem, &rcCaption, m_bPressed, m_bDisabled);
    if (m_bFocused && m_bFocusCue && !m_bDisabled) {
        // Keyboard users need to see where they are: a dotted frame inside the edge.
        CRect cue = rcItem;
        cue.InflateRect(-2, -2);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.DrawFocusRect(&cue);
    }
}

void CHoverButton::PaintParentBackground(CDC* pDC)
{
    if (!m_pCacheDC)
        CaptureParentPixels();
    if (m_pCacheDC)
        pDC->BitBlt(0, 0, width(), height(), m_pCacheDC.get(), 0, 0, SRCCOPY);
}

// The parent's own pixels under the button, kept until the next UseParentBackground or
// palette change. Its children are left out: this button is one of them, and is being drawn.
void CHoverButton::CaptureParentPixels()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    auto bitmap = std::make_unique<CBitmap>();
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    if (!bitmap->CreateCompatibleBitmap(&screen, width(), height()))
        return;
    parent->render(&bitmap->Image(), QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
    m_pCacheDC = std::make_unique<CDC>();
    m_pCacheDC->CreateCompatibleDC(&screen);
    m_pOldCacheBitmap = m_pCacheDC->SelectObject(bitmap.get());
    m_pCacheBitmap = std::move(bitmap);
}

void CHoverButton::EmptyBackgroundCache()
{
    if (m_pCacheDC)
        m_pCacheDC->SelectObject(m_pOldCacheBitmap);
    m_pCacheDC.reset();
    m_pCacheBitmap.reset();
    m_pOldCacheBitmap = nullptr;
}

void CHoverButton::PaintFace(CDC* pDC, CRect* rpItem)
{
    COLORREF crFace = m_crColors[2];
    if (m_bHovering || m_bPressed)
        crFace = m_crColors[0];
    else if (m_bFocused)
        crFace = m_crColors[4];
    pDC->FillSolidRect(rpItem, crFace);
}

// Sunken while pressed, raised while hovered; a checked toggle counts as pressed.
void CHoverButton::PaintEdge(CDC* pDC, CRect* rpItem)
{
    if (!m_bEdgeOnHover)
        return;
    const COLORREF crHighlight = SysColor(this, QPalette::Light);
    const COLORREF crShadow = SysColor(this, QPalette::Dark);
    if (m_bPressed)
        pDC->Draw3dRect(rpItem, crShadow, crHighlight);
    else if (m_bHovering)
        pDC->Draw3dRect(rpItem, crHighlight, crShadow);
}

// Where an image of nWidth by nHeight goes, narrowing the caption's rectangle to leave it
// room. Halves truncate toward zero.
CPoint CHoverButton::PlaceImage(BOOL bHasCaption, const CRect& rcItem, CRect* rpCaption, BOOL bPressed,
                                int nWidth, int nHeight) const
{
    CPoint pt = rcItem.TopLeft();
    const int centreX = (rcItem.Width() - nWidth) / 2;
    const int centreY = (rcItem.Height() - nHeight) / 2;
    switch (m_nContentLayout) {
    case 0:
        if (bHasCaption) {
            pt.x += m_nImageMarginX;
            rpCaption->left += nWidth + m_nImageMarginX;
        } else {
            pt.x += centreX;
        }
        pt.y += centreY;
        break;
    case 1:
        pt.x += centreX;
        if (bHasCaption) {
            pt.y = m_nImageMarginY;
            rpCaption->top += nHeight;
        } else {
            pt.y += centreY;
        }
        break;
    case 2:
        if (bHasCaption) {
            rpCaption->left = m_nImageMarginX;
            rpCaption->right = rcItem.right - rcItem.left - m_nImageMarginX - nWidth;
            pt.x = width() - m_nImageMarginX - nWidth;
            pt.y += centreY;
        } else {
            pt.x += centreX;
        }
        break;
    default:
        break;
    }
    if (bPressed && !m_bToggle) {
        pt.x += m_ptPressShift.x;
        pt.y += m_ptPressShift.y;
    }
    return pt;
}

void CHoverButton::PaintIcon(CDC* pDC, BOOL bHasCaption, CRect* rpItem, CRect* rpCaption, BOOL bPressed,
                             BOOL bDisabled)
{
    const CPoint pt = PlaceImage(bHasCaption, *rpItem, rpCaption, bPressed, m_nIconWidth, m_nIconHeight);
    if (bDisabled) {
        DrawStateDisabled(pDC, pt.x, pt.y, m_nIconWidth, m_nIconHeight, m_icon,
                          SysColor(this, QPalette::Light), SysColor(this, QPalette::Dark));
        return;
    }
    if (QPainter* painter = pDC->Painter())
        painter->drawImage(QRect(pt.x, pt.y, m_nIconWidth, m_nIconHeight), m_icon);
}

void CHoverButton::PaintBitmap(CDC* pDC, BOOL bHasCaption, CRect* rpItem, CRect* rpCaption, BOOL bPressed,
                               BOOL bDisabled)
{
    const int w = m_nBitmapWidth;
    const int h = m_nBitmapHeight;
    const CPoint pt = PlaceImage(bHasCaption, *rpItem, rpCaption, bPressed, w, h);
    if (!m_sharpBitmap.isNull() && !bDisabled && pDC->Painter()) {
        pDC->Painter()->drawImage(QRect(pt.x, pt.y, w, h), m_sharpBitmap);
        return;
    }
    CDC bitmapDC;
    bitmapDC.CreateCompatibleDC(pDC);
    CBitmap* pOld = bitmapDC.SelectObject(m_pBitmap.get());
    if (!bDisabled || !m_bGreyDisabledBitmap) {
        BlitMono(pDC, pt.x, pt.y, m_bmpMask, SRCAND);
        pDC->BitBlt(pt.x, pt.y, w, h, &bitmapDC, 0, 0, SRCPAINT);
    } else {
        // Composed over white first: white is what the disabled style leaves out.
        CBitmap composed;
        composed.CreateCompatibleBitmap(pDC, w, h);
        CDC composeDC;
        composeDC.CreateCompatibleDC(pDC);
        CBitmap* pOldComposed = composeDC.SelectObject(&composed);
        composeDC.FillSolidRect(0, 0, w, h, kWhite);
        BlitMono(&composeDC, 0, 0, m_bmpMask, SRCAND);
        composeDC.BitBlt(0, 0, w, h, &bitmapDC, 0, 0, SRCPAINT);
        composeDC.SelectObject(pOldComposed);
        DrawStateDisabled(pDC, pt.x, pt.y, w, h, composed.Image(), SysColor(this, QPalette::Light),
                          SysColor(this, QPalette::Dark));
    }
    bitmapDC.SelectObject(pOld);
}

void CHoverButton::PaintCaption(CDC* pDC, const std::string& strCaption, CRect*, CRect* rpCaption,
                                BOOL bPressed, BOOL bDisabled)
{
    if (bPressed && !m_bToggle)
        rpCaption->OffsetRect(m_ptPressShift.x, m_ptPressShift.y);

    // The WM_SETFONT font is the widget's font; a font asked not to be smoothed stays so.
    LOGFONT lf = FromQFont(font(), logicalDpiY());
    if (font().styleStrategy() & QFont::NoAntialias)
        lf.lfQuality = NONANTIALIASED_QUALITY;
    CFont captionFont;
    captionFont.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&captionFont);

    // Measured at the caption rectangle's top-left, then moved into place.
    CRect rcText = *rpCaption;
    pDC->DrawText(strCaption, &rcText, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    const int spareX = rpCaption->Width() - rcText.Width();
    int dx = spareX / 2;
    if (m_nCaptionAlign == 1)
        dx = m_nImageMarginX;
    else if (m_nCaptionAlign == 2)
        dx = spareX - 4;
    rcText.OffsetRect(dx, (rpCaption->Height() - rcText.Height()) / 2);

    if (bDisabled) {
        CRect rcHighlight = rcText;
        rcHighlight.OffsetRect(1, 1);
        pDC->SetTextColor(SysColor(this, QPalette::Light));
        pDC->DrawText(strCaption, &rcHighlight, DT_WORDBREAK | DT_CENTER);
        pDC->SetTextColor(SysColor(this, QPalette::Dark));
        pDC->DrawText(strCaption, &rcText, DT_WORDBREAK | DT_CENTER);
    } else {
        int slot = 3;
        if (m_bHovering || bPressed)
            slot = 1;
        else if (m_bFocused)
            slot = 5;
        pDC->SetTextColor(m_crColors[slot]);
        pDC->SetBkColor(m_crColors[slot - 1]);
        pDC->DrawText(strCaption, &rcText, DT_WORDBREAK | DT_CENTER);
    }
    pDC->SelectObject(pOldFont);
}
