#include "CoverMainLayout.h"

#include "CoverButton.h"
#include "Dialog.h"
#include "FitLine.h"
#include "Help.h"
#include "HoverButton.h"
#include "ProgramFonts.h"
#include "QtConvert.h"
#include "TransparentStatic.h"
#include "resource.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

QRect Grown(const QRect& rect)
{
    return rect.adjusted(-2, -2, 2, 2);
}

struct ButtonLook
{
    int nId;
    int nIcon;
    const char* tip;
};

constexpr ButtonLook kIconButtons[] = {
    {IDC_EXIT, IDI_EXIT, "Click here to exit."},
    {IDC_CHOOSE_IMAGE, IDI_CHOOSE_IMAGE, "Click here to choose a background image for your cover."},
    {IDC_CLEAR_IMAGE, IDI_CLEAR_IMAGE, "Click here to clear the background image."},
    {IDC_PRINT, IDI_PRINT, "Click here to print your cover."},
    {IDC_CHOOSE_COLOR, IDI_CHOOSE_COLOR, "Click here to change the background color of your cover."},
    {IDC_TRACK_LISTING, IDI_TRACK_LISTING, "Click here to add a track listing and spine text to your cover."},
    {IDC_FONT, IDI_FONT, "Click here to change the font and colour of your track listing and spine text."},
    {IDC_HELP_BUTTON, IDI_HELP, "Click here if you need some help."},
    {IDC_START_OVER, IDI_START_OVER, "Click here to create a new cover."},
};

constexpr ButtonLook kBitmapButtons[] = {
    {IDC_SAVE, IDB_SAVE, "Click here to save your cover."},
    {IDC_LOAD, IDB_LOAD, "Click here to load a cover you created previously."},
};

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr const char* kWebAddress = "www.quorvane.example";
constexpr const char* kWebLink = "https://www.quorvane.example/sleevora";
constexpr const char* kVersionNotice = "Version 1.0   \xC2\xA9 2026 Quorvane. All rights reserved.\n"
                                       "Please report problems or suggestions to support@quorvane.example";

} // namespace

CHoverButton* CCoverMainLayout::Button(int nId) const
{
    return qobject_cast<CHoverButton*>(m_window.GetDlgItem(nId));
}

QWidget* CCoverMainLayout::Control(int nId) const
{
    return m_window.GetDlgItem(nId);
}

void CCoverMainLayout::LayOutForCoverType(CoverType type)
{
    m_type = type;
    QWidget* backdrop = Control(IDC_PREVIEW_BACKGROUND);
    switch (type) {
    case StandardCD:
        backdrop->setGeometry(Grown(Control(IDC_CD_BACK_PREVIEW)->geometry()));
        break;
    case SlimlineCD:
        backdrop->setGeometry(Grown(Control(IDC_SLIMLINE_PREVIEW)->geometry()));
        break;
    case StandardDVD:
    case SlimlineDVD:
        backdrop->setGeometry(Control(IDC_DVD_PREVIEW)->geometry());
        WidenForDvd();
        break;
    default:
        break;
    }
}

// The DVD preview is wider than the CD ones: the window grows to its right and the
// right-hand column of buttons moves to fixed pixel columns beside it.
void CCoverMainLayout::WidenForDvd()
{
    const QRect dvd = Control(IDC_DVD_PREVIEW)->geometry();
    m_window.setFixedWidth(dvd.left() + dvd.width() + Control(IDC_RIGHT_COLUMN_WIDTH)->width() + 12);
    m_window.setMaximumWidth(QWIDGETSIZE_MAX);
    const auto moveTo = [this](int nId, int left) {
        QWidget* control = Control(nId);
        control->move(left, control->y());
    };
    const auto spanTo = [this](int nId, int left, int right) {
        QWidget* control = Control(nId);
        control->setGeometry(left, control->y(), right - left, control->height());
    };
    spanTo(IDC_IMAGE_FRAME, 598, 731);
    for (const int id : {IDC_CHOOSE_IMAGE, IDC_CLEAR_IMAGE, IDC_TRACK_LISTING})
        moveTo(id, 603);
    for (const int id : {IDC_CHOOSE_COLOR, IDC_FONT})
        moveTo(id, 668);
    spanTo(IDC_HELP_FRAME, 626, 702);
    spanTo(IDC_PRINT_FRAME, 625, 715);
    spanTo(IDC_VERSION_NOTICE, Control(IDC_VERSION_NOTICE)->x(), 715);
    for (const int id : {IDC_HELP_BUTTON, IDC_EXIT, IDC_PRINT})
        moveTo(id, 631);
    moveTo(IDC_EXTEND_IMAGE, 619);
}

void CCoverMainLayout::SetCaptions(CoverType type)
{
    CHoverButton* viewFront = Button(IDC_VIEW_FRONT);
    CHoverButton* viewBack = Button(IDC_VIEW_BACK);
    CHoverButton* extend = Button(IDC_EXTEND_IMAGE);
    switch (type) {
    case StandardCD:
        viewBack->setText(QStringLiteral("VIEW BACK COVER"));
        viewFront->setText(QStringLiteral("VIEW FRONT COVER"));
        viewBack->show();
        viewFront->show();
        break;
    case SlimlineCD:
        extend->setText(QStringLiteral("Extend image over spine?"));
        viewFront->hide();
        viewBack->setText(QStringLiteral("Slimline Cover"));
        break;
    case StandardDVD:
    case SlimlineDVD:
        Control(IDC_DVD_PREVIEW)->show();
        Control(IDC_CD_FRONT_PREVIEW)->hide();
        Control(IDC_CD_BACK_PREVIEW)->hide();
        viewFront->hide();
        viewBack->setText(QStringLiteral("DVD Cover"));
        Button(IDC_TRACK_LISTING)->setText(QStringLiteral("Cover &Text"));
        extend->setText(QStringLiteral("Print Spine?"));
        break;
    default:
        break;
    }
}

void CCoverMainLayout::SetUpButtons()
{
    for (const ButtonLook& look : kIconButtons) {
        CHoverButton* button = Button(look.nId);
        button->SetTipText(look.tip, true);
        button->AssignIcon(look.nIcon);
        button->SetContentLayout(1, true);
        button->UseParentBackground(true);
    }
    for (const ButtonLook& look : kBitmapButtons) {
        CHoverButton* button = Button(look.nId);
        button->SetTipText(look.tip, true);
        button->AssignBitmap(look.nIcon, kMagenta);
        button->SetContentLayout(1, true);
        button->SetPressShift(1, true);
        button->UseParentBackground(true);
    }
    for (const int id : {IDC_VIEW_FRONT, IDC_VIEW_BACK, IDC_EXTEND_IMAGE})
        Button(id)->UseParentBackground(true);
    CHoverButton* web = Button(IDC_WEB_LINK);
    web->setText(QString::fromUtf8(kWebAddress));
    web->UseParentBackground(true);
    web->SetHoverCursor(IDC_HAND_CURSOR, true);
    web->SetStateColor(1, RGB(0x00, 0x32, 0xFE), true);
    web->SetStateColor(3, RGB(0x32, 0x32, 0xFE), true);
    web->SetLink(kWebLink);
    CHoverButton* help = Button(IDC_HELP_BUTTON);
    help->SetOpenMaximized(false);
    help->SetLink(HelpFilePath().c_str());
    auto* version = qobject_cast<CTransparentStatic*>(Control(IDC_VERSION_NOTICE));
    version->SetTextColor(RGB(0, 0, 0));
    version->SetWindowText(kVersionNotice);
}

void CCoverMainLayout::SetUpFonts()
{
    m_linkFont = NoticeFont(true);
    m_regularLinkFont = NoticeFont(false);
    m_buttonFont = ButtonCaptionFont();
    Button(IDC_WEB_LINK)->setFont(m_linkFont);
    Control(IDC_VERSION_NOTICE)->setFont(m_regularLinkFont);
    for (const int id : {IDC_PRINT, IDC_EXIT, IDC_CHOOSE_IMAGE, IDC_CLEAR_IMAGE, IDC_CHOOSE_COLOR,
                         IDC_TRACK_LISTING, IDC_FONT, IDC_VIEW_FRONT, IDC_VIEW_BACK, IDC_EXTEND_IMAGE,
                         IDC_HELP_BUTTON, IDC_START_OVER, IDC_SAVE, IDC_LOAD})
        Button(id)->setFont(m_buttonFont);
}

// Right under the preview's backdrop, from its left edge, or further left over the empty
// foot of the left-hand column; where the line shares its height with the notice's first
// line, it ends before that line's text.
void CCoverMainLayout::PlaceFitLine(CFitLine& line)
{
    const QRect backdrop = Control(IDC_PREVIEW_BACKGROUND)->geometry();
    const QWidget* notice = Control(IDC_VERSION_NOTICE);
    const QFontMetrics metrics(notice->font());
    const int top = backdrop.bottom() + 3;
    int right = backdrop.right();
    if (top + metrics.height() > notice->y()) {
        const QString first = QString::fromUtf8(kVersionNotice).section(QLatin1Char('\n'), 0, 0);
        right = std::min(right, notice->geometry().right() - metrics.horizontalAdvance(first) - 12);
    }
    line.SetRoom(backdrop.left(), Control(IDC_WEB_LINK)->x(), top, right);
}

namespace {

constexpr int kPreviewIds[] = {IDC_CD_FRONT_PREVIEW, IDC_CD_BACK_PREVIEW, IDC_DVD_PREVIEW,
                               IDC_SLIMLINE_PREVIEW};

} // namespace

bool CCoverMainLayout::IsPreview(const QWidget* pWidget) const
{
    return std::any_of(std::begin(kPreviewIds), std::end(kPreviewIds),
                       [&](int nId) { return Control(nId) == pWidget; });
}

void CCoverMainLayout::RememberBaseLayout()
{
    m_baseSize = m_window.size();
    m_basePreviewArea = Control(IDC_PREVIEW_BACKGROUND)->geometry();
    m_basePlaces.clear();
    for (QWidget* child : m_window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        m_basePlaces.emplace_back(child, child->geometry());
    m_window.setMinimumSize(m_baseSize);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// Each control is placed from where the kind's layout put it: a preview grows by the
// window's growth, what stands right of the previews moves right with the window's edge,
// what stands below them moves down (and right too where it reaches past them).
void CCoverMainLayout::StretchTo(const QSize& windowSize)
{
    if (m_basePlaces.empty())
        return;
    const int dx = std::max(0, windowSize.width() - m_baseSize.width());
    const int dy = std::max(0, windowSize.height() - m_baseSize.height());
    const QRect area = m_basePreviewArea;
    for (const auto& [widget, base] : m_basePlaces) {
        if (IsPreview(widget))
            widget->setGeometry(QRect(base.topLeft(), base.size() + QSize(dx, dy)));
        else if (base.left() >= area.right() - 2)
            widget->move(base.topLeft() + QPoint(dx, 0));
        else if (base.top() >= area.bottom() - 2)
            widget->move(base.topLeft() + QPoint(base.right() > area.right() ? dx : 0, dy));
    }
    FitBackdrop();
}

void CCoverMainLayout::FitBackdrop()
{
    if (m_type != StandardCD && m_type != StandardDVD && m_type != SlimlineCD && m_type != SlimlineDVD)
        return; // a custom size shows no preview: the backdrop keeps its place
    for (const int id : kPreviewIds) {
        auto* preview = dynamic_cast<CCoverButton*>(Control(id));
        if (!preview || !preview->isVisibleTo(&m_window))
            continue;
        Control(IDC_PREVIEW_BACKGROUND)->setGeometry(Grown(preview->CoverRect().translated(preview->pos())));
        return;
    }
}
