// The class library's owner-drawn push button on QAbstractButton: every paint builds the
// item record (state, device context, rectangle) and hands it to DrawItem.
#pragma once

#include "DC.h"
#include "WinTypes.h"

#include <QAbstractButton>

constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;

constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_CHECKBOX = 0x0002;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_OWNERDRAW = 0x000B;
constexpr DWORD BS_TYPEMASK = 0x000F;
constexpr DWORD BS_LEFT = 0x0100;
constexpr DWORD BS_RIGHT = 0x0200;
constexpr DWORD BS_CENTER = 0x0300;
constexpr DWORD BS_PUSHLIKE = 0x1000;
constexpr DWORD BS_MULTILINE = 0x2000;
constexpr DWORD BS_NOTIFY = 0x4000;

struct DRAWITEMSTRUCT
{
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    QWidget* hwndItem;
    HDC hDC;
    RECT rcItem;
};
typedef DRAWITEMSTRUCT* LPDRAWITEMSTRUCT;

class COwnerDrawButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit COwnerDrawButton(QWidget* pParent = nullptr, DWORD dwStyle = BS_PUSHBUTTON);

    DWORD GetStyle() const { return m_dwStyle; }
    // BM_SETSTYLE: the button's style bits; a redraw is requested when asked.
    void SetButtonStyle(DWORD dwStyle, bool bRedraw = true);

    // Attaching the control to its window: owners adjust the style here.
    virtual void PreSubclassWindow() {}
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) = 0;

    // A toggle that keeps its checked state itself, and that state: what screen readers
    // are told of it.
    virtual bool IsToggle() const { return false; }
    virtual bool IsOn() const { return false; }

protected:
    void paintEvent(QPaintEvent* event) override;
    UINT ItemState() const;

private:
    DWORD m_dwStyle;
};
