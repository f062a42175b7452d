#include "OwnerDrawButton.h"

#include "AccessibleButtons.h"

#include <QPainter>

COwnerDrawButton::COwnerDrawButton(QWidget* pParent, DWORD dwStyle)
    : QAbstractButton(pParent), m_dwStyle(dwStyle)
{
    InstallAccessibleButtons();
}

void COwnerDrawButton::SetButtonStyle(DWORD dwStyle, bool bRedraw)
{
    m_dwStyle = dwStyle;
    if (bRedraw)
        update();
}

UINT COwnerDrawButton::ItemState() const
{
    UINT state = 0;
    if (isDown())
        state |= ODS_SELECTED;
    if (isCheckable() && isChecked())
        state |= ODS_CHECKED;
    if (hasFocus())
        state |= ODS_FOCUS;
    if (!isEnabled())
        state |= ODS_DISABLED;
    return state;
}

void COwnerDrawButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CDC dc;
    dc.AttachPainter(&painter);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ItemState();
    item.hwndItem = this;
    item.hDC = &dc;
    item.rcItem = RECT{0, 0, width(), height()};
    DrawItem(&item);
}
