// The program's command button: a flat owner-drawn push button or toggle with an icon or a
// bitmap beside its caption. It lights up while the mouse is over it, can show a tool tip
// and its own cursor, can draw over its parent's background and can open a link with the
// desktop when clicked. Each drawing is composed off screen and copied once.
//
// The Windows messages it answers arrive here as Qt events: mouse move and leave as
// enterEvent, mouseMoveEvent and leaveEvent; WM_ENABLE and WM_SYSCOLORCHANGE (a change of
// the palette, which stands for the system colours) as changeEvent; WM_SETFONT as the
// widget's font; the button messages as the Send... methods below.
#pragma once

#include "OwnerDrawButton.h"

#include <QImage>
#include <memory>
#include <string>

class CHoverButton : public COwnerDrawButton
{
    Q_OBJECT

public:
    // Creating the widget attaches it at once: the style decides toggle mode, the
    // default-button flag and the caption alignment.
    explicit CHoverButton(QWidget* pParent = nullptr, DWORD dwStyle = BS_PUSHBUTTON);
    ~CHoverButton() override;

    // Setters return 0, or the error number given with each; bRedraw repaints the button.
    // 1: the icon cannot be loaded or measured (the button is then left without an image).
    DWORD AssignIcon(int nIconId, int nIconIdOut = 0);
    // 1: the bitmap cannot be loaded or measured; 2: its mask cannot be made.
    DWORD AssignBitmap(int nBitmapId, COLORREF crTransparent, int nBitmapIdOut = 0,
                       COLORREF crTransparentOut = 0);
    // 0 image left of the caption, 1 above it, 2 right of it, 3 at the top-left corner
    // with the caption over the whole button. 4: no such layout.
    DWORD SetContentLayout(int nLayout, BOOL bRedraw = TRUE);
    // Style 0 moves a pressed button's content by (1, 1), style 1 by (0, 2). 6: no such style.
    DWORD SetPressShift(int nStyle, BOOL bRedraw = TRUE);
    // Slots: 0 face and 1 caption while hovered or pressed, 2 face and 3 caption normally,
    // 4 face and 5 caption while focused. A slot set here stops following the system
    // colours. 3: no such slot.
    DWORD SetStateColor(int nIndex, COLORREF crColor, BOOL bRedraw = TRUE);
    // 0 for the system's cursor. 1: the cursor cannot be loaded (the system's is then used).
    DWORD SetHoverCursor(int nCursorId, BOOL bRedraw = TRUE);
    DWORD SetEdgeOnHover(BOOL bEdgeOnHover, BOOL bRedraw = TRUE);
    // Draws the parent's pixels under the button instead of a face, captured afresh on the
    // next drawing.
    DWORD UseParentBackground(BOOL bRedraw = TRUE);
    // Whether a disabled bitmap is drawn in the system's disabled style (on at first).
    DWORD SetGreyDisabledBitmap(BOOL bGrey, BOOL bRedraw = TRUE);
    // An empty text changes nothing. Tips wider than 400 pixels wrap.
    DWORD SetTipText(const std::string& strText, BOOL bActivate = TRUE);
    // Keeps at most the first 259 characters.
    DWORD SetLink(const std::string& strLink);
    // How OpenLink shows what it opens: maximised, or the default show state (at first).
    void SetOpenMaximized(BOOL bMaximized) { m_bOpenMaximized = bMaximized != FALSE; }
    // Opens the link, if any, with the desktop's default application.
    void OpenLink();
    DWORD SetCheckState(BOOL bChecked, BOOL bRedraw = TRUE);
    int GetCheckState() const { return m_bChecked ? 1 : 0; }
    bool IsToggle() const override { return m_bToggle; }
    bool IsOn() const override { return m_bChecked; }
    // WM_SETFONT: the caption's font, as the widget's font.
    void SetFont(const CFont* pFont, BOOL bRedraw = TRUE);

    // BM_SETCHECK: 1 and 2 check the button, anything else clears it; the result is 0.
    int SendSetCheck(int nCheck);
    // BM_GETCHECK.
    int SendGetCheck() const { return GetCheckState(); }
    // BM_SETSTYLE: a push or default-push type sets the default-button flag; the button
    // stays owner-drawn.
    void SendSetStyle(DWORD dwStyle, BOOL bRedraw = TRUE);
    // WM_GETDLGCODE.
    UINT OnGetDlgCode() const;

    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    virtual void PaintFace(CDC* pDC, CRect* rpItem);
    virtual void PaintEdge(CDC* pDC, CRect* rpItem);
    virtual void PaintIcon(CDC* pDC, BOOL bHasCaption, CRect* rpItem, CRect* rpCaption, BOOL bPressed,
                           BOOL bDisabled);
    virtual void PaintBitmap(CDC* pDC, BOOL bHasCaption, CRect* rpItem, CRect* rpCaption, BOOL bPressed,
                             BOOL bDisabled);
    virtual void PaintCaption(CDC* pDC, const std::string& strCaption, CRect* rpItem, CRect* rpCaption,
                              BOOL bPressed, BOOL bDisabled);

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class ImageKind
    {
        None,
        Icon,
        Bitmap
    };

    void OnClicked();
    // The checked state, told to screen readers when it changes.
    void SetChecked(bool bChecked);
    void OnMouseMove(const QPoint& globalPos, bool bLeftButtonDown);
    void EndHover();
    void OnEnable(bool bEnabled);
    void OnSysColorChange();
    void LoadSystemColors();
    void ReleaseImages();
    bool MakeBitmapMask(COLORREF crTransparent);
    QImage SharpBitmap(int nBitmapId, COLORREF crTransparent) const;
    void Redraw(BOOL bRedraw);
    CPoint PlaceImage(BOOL bHasCaption, const CRect& rcItem, CRect* rpCaption, BOOL bPressed, int nWidth,
                      int nHeight) const;
    void PaintParentBackground(CDC* pDC);
    void CaptureParentPixels();
    void EmptyBackgroundCache();
    void ShellOpenLink(int nShowCmd) const;

    ImageKind m_imageKind = ImageKind::None;
    QImage m_icon;
    int m_nIconWidth = 0;
    int m_nIconHeight = 0;
    // The bitmap with its transparent pixels turned black, and its monochrome mask
    // (1 where the bitmap is transparent).
    std::unique_ptr<CBitmap> m_pBitmap;
    QImage m_bmpMask;
    // On a scaled screen: the bitmap's 2× copy with its transparent pixels clear.
    QImage m_sharpBitmap;
    int m_nBitmapWidth = 0;
    int m_nBitmapHeight = 0;
    COLORREF m_crTransparent = 0;

    int m_nContentLayout = 0;
    int m_nCaptionAlign = 0;
    int m_nImageMarginX = 3;
    int m_nImageMarginY = 3;
    CPoint m_ptPressShift{1, 1};
    bool m_bEdgeOnHover = true;
    bool m_bHovering = false;
    bool m_bParentBackground = false;
    std::unique_ptr<CDC> m_pCacheDC;
    std::unique_ptr<CBitmap> m_pCacheBitmap;
    CBitmap* m_pOldCacheBitmap = nullptr;
    COLORREF m_crColors[6] = {};
    bool m_bColorFollowsSystem[6] = {true, true, true, true, true, true};
    std::string m_strLink;
    bool m_bOpenMaximized = false;
    bool m_bToggle = false;
    bool m_bDefault = false;
    bool m_bChecked = false;
    bool m_bGreyDisabledBitmap = true;
    // The state of the drawing pass under way.
    bool m_bPressed = false;
    bool m_bFocused = false;
    bool m_bFocusCue = false; // the focus came from the keyboard: it is shown
    bool m_bDisabled = false;
};
