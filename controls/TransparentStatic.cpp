#include "TransparentStatic.h"

#include "QtConvert.h"

CTransparentStatic::CTransparentStatic(QWidget* pParent) : QLabel(pParent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    SetTextColor(m_crText);
}

void CTransparentStatic::SetWindowText(const std::string& strText)
{
    setText(ToQString(strText));
    if (QWidget* parent = parentWidget(); parent && parent->isVisible())
        parent->repaint(geometry());
}

std::string CTransparentStatic::GetWindowText() const
{
    return FromQString(text());
}

void CTransparentStatic::SetTextColor(COLORREF cr)
{
    m_crText = cr;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ToQColor(cr));
    colours.setColor(QPalette::Text, ToQColor(cr));
    setPalette(colours);
}
