#include "FitLine.h"

#include "CoverFit.h"
#include "ProgramFonts.h"
#include "QtConvert.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int kIconSize = 13;

} // namespace

CFitLine::CFitLine(QWidget* pParent)
    : QWidget(pParent), m_pIcon(new QLabel(this)), m_pMessage(new QLabel(this)),
      m_pShrink(new QPushButton(QStringLiteral("Shrink to Fit"), this))
{
    setObjectName(QStringLiteral("fitLine"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_pIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconSize, kIconSize));
    m_pMessage->setFont(NoticeFont(false));
    m_pMessage->setStyleSheet(QStringLiteral("color: #8a3b00;"));
    // A link in look, a button for the keyboard: Tab reaches it, Space presses it.
    m_pShrink->setFlat(true);
    m_pShrink->setFont(NoticeFont(true));
    m_pShrink->setCursor(Qt::PointingHandCursor);
    m_pShrink->setStyleSheet(QStringLiteral("QPushButton { color: #0032fe; border: none; padding: 0 2px; }"
                                            "QPushButton:focus { outline: 1px dotted #0032fe; }"));
    m_pShrink->setToolTip(
        QStringLiteral("Make the text font as large as it can be with everything fitting."));
    connect(m_pShrink, &QPushButton::clicked, this, &CFitLine::shrinkRequested);
    layout->addWidget(m_pIcon);
    layout->addWidget(m_pMessage);
    layout->addWidget(m_pShrink);
    layout->addStretch();
    hide();
}

void CFitLine::SetRoom(int nLeft, int nLeftLimit, int nTop, int nRightLimit)
{
    m_nLeft = nLeft;
    m_nLeftLimit = nLeftLimit;
    m_nTop = nTop;
    m_nRightLimit = nRightLimit;
    Place();
}

void CFitLine::Show(const TextFit& fit, CoverType type, CoverSide side)
{
    m_strMessage = ToQString(DescribeFit(fit, type, side));
    m_pMessage->setText(m_strMessage);
    m_pMessage->setToolTip(m_strMessage);
    m_pShrink->setVisible(SmallerFontHelps(fit));
    setVisible(!m_strMessage.isEmpty());
    Place();
}

QString CFitLine::Message() const
{
    return isVisible() ? m_strMessage : QString();
}

// At its own left when the line has the room, further left when it needs it; what is still
// too long is elided, the link kept whole.
void CFitLine::Place()
{
    m_pMessage->setText(m_strMessage);
    const int messageWidth = m_pMessage->sizeHint().width();
    const int others = sizeHint().width() - messageWidth;
    const int left = std::max(m_nLeftLimit, std::min(m_nLeft, m_nRightLimit - others - messageWidth));
    const int room = m_nRightLimit - left - others;
    if (messageWidth > room)
        m_pMessage->setText(m_pMessage->fontMetrics().elidedText(m_strMessage, Qt::ElideRight, room));
    setGeometry(left, m_nTop, std::max(0, m_nRightLimit - left), std::max(sizeHint().height(), kIconSize));
}
