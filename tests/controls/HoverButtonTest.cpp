// The flat command button driven as a user drives it, through real mouse and focus events
// on a shown window, and judged by the pixels it draws and the links the desktop is asked
// to open.
#include "HoverButton.h"
#include "OffscreenDC.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Images of the test resources: a 24 × 24 blue icon with a white centre, and a 32 × 24
// bitmap of a green panel with a dark green outline from (6, 3) to (25, 20) on magenta.
constexpr int kIconId = 9001;
constexpr int kBitmapId = 9002;
constexpr int kCursorId = 9003;
constexpr int kMissingId = 4242;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr QRgb kIconBlue = 0xFF0000FF;
constexpr QRgb kPanelGreen = 0xFF00A000;

// Distinct colours for the six slots: faces and captions while hovered, normally, focused.
constexpr COLORREF kSlots[6] = {RGB(200, 220, 255), RGB(200, 0, 0),     RGB(230, 230, 230),
                                RGB(0, 0, 200),     RGB(255, 255, 200), RGB(0, 140, 0)};

QRgb Rgb(COLORREF cr)
{
    return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

QImage Shot(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel of one colour; empty when there is none.
QRect Bounds(const QImage& image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

// Records what the desktop is asked to open for the "sleevora-test:" scheme.
class LinkCatcher : public QObject
{
    Q_OBJECT
public:
    LinkCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("sleevora-test"), this, "open"); }
    ~LinkCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("sleevora-test")); }
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened.append(url.toString()); }
};

// A shown, active window holding a 100 × 60 button and two tab stops after it.
class HoverButtonWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(360, 120);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(14);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias); // whole pixels in exactly the caption colour
        window.setFont(font);
        button = MakeButton(BS_PUSHBUTTON);
        next = new QPushButton(QStringLiteral("Next"), &window);
        next->setGeometry(120, 10, 80, 30);
        edit = new QLineEdit(&window);
        edit->setGeometry(210, 10, 80, 30);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus(); // the button starts neither focused nor hovered
        MoveAway();
    }
    CHoverButton* MakeButton(DWORD dwStyle)
    {
        auto* made = new CHoverButton(&window, dwStyle);
        made->setGeometry(10, 10, 100, 60);
        for (int i = 0; i < 6; ++i)
            made->SetStateColor(i, kSlots[i]);
        made->show();
        return made;
    }
    QRgb Light() const { return button->palette().color(QPalette::Active, QPalette::Light).rgb(); }
    QRgb Dark() const { return button->palette().color(QPalette::Active, QPalette::Dark).rgb(); }
    void MoveAway() { QTest::mouseMove(&window, QPoint(350, 110)); }

    QWidget window;
    CHoverButton* button = nullptr;
    QPushButton* next = nullptr;
    QLineEdit* edit = nullptr;
};

} // namespace

TEST_F(HoverButtonWindow, IconGoesWhereTheLayoutPutsIt)
{
    button->AssignIcon(kIconId);
    const struct
    {
        int nLayout;
        const char* caption;
        QRect icon;
    } cases[] = {{1, "", QRect(38, 18, 24, 24)},     // centred both ways
                 {1, "Print", QRect(38, 3, 24, 24)}, // the vertical margin from the top
                 {0, "Print", QRect(3, 18, 24, 24)},  {0, "", QRect(38, 18, 24, 24)},
                 {2, "Print", QRect(73, 18, 24, 24)}, {3, "Print", QRect(0, 0, 24, 24)}};
    for (const auto& c : cases) {
        button->SetContentLayout(c.nLayout);
        button->setText(QString::fromLatin1(c.caption));
        EXPECT_EQ(Bounds(Shot(button), kIconBlue), c.icon) << c.nLayout << " " << c.caption;
    }
}

TEST_F(HoverButtonWindow, CaptionAlignmentComesFromTheStyle)
{
    CHoverButton* right = MakeButton(BS_PUSHBUTTON | BS_RIGHT);
    CHoverButton* toggle = MakeButton(BS_AUTOCHECKBOX | BS_PUSHLIKE); // a toggle's caption is left
    right->setText(QStringLiteral("Go"));
    toggle->setText(QStringLiteral("Go"));
    const QRect atRight = Bounds(Shot(right), Rgb(kSlots[3]));
    EXPECT_LE(atRight.right(), 100 - 4 - 1);
    EXPECT_GE(atRight.right(), 100 - 4 - 3);
    const QRect atLeft = Bounds(Shot(toggle), Rgb(kSlots[3]));
    EXPECT_GE(atLeft.left(), 3); // the horizontal image margin
    EXPECT_LE(atLeft.left(), 5);
}

TEST_F(HoverButtonWindow, CaptionCentredBelowTheIconMovesWithItWhilePressed)
{
    button->AssignIcon(kIconId);
    button->SetContentLayout(1);
    button->setText(QStringLiteral("Print"));
    const QRect caption = Bounds(Shot(button), Rgb(kSlots[3]));
    EXPECT_GE(caption.top(), 27);                        // below the icon
    EXPECT_NEAR(caption.center().y(), (24 + 60) / 2, 3); // in the middle of what is left
    EXPECT_NEAR(caption.center().x(), 50, 3);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 30));
    QImage shot = Shot(button);
    EXPECT_EQ(Bounds(shot, kIconBlue), QRect(39, 4, 24, 24));
    EXPECT_EQ(Bounds(shot, Rgb(kSlots[1])), caption.translated(1, 1)); // pressed colours, moved

    button->SetPressShift(1);
    shot = Shot(button);
    EXPECT_EQ(Bounds(shot, kIconBlue), QRect(38, 5, 24, 24));
    EXPECT_EQ(Bounds(shot, Rgb(kSlots[1])), caption.translated(0, 2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 30));
}

TEST_F(HoverButtonWindow, ToggleNeverMovesItsContent)
{
    CHoverButton* toggle = MakeButton(BS_AUTOCHECKBOX | BS_PUSHLIKE);
    toggle->AssignIcon(kIconId);
    toggle->SetContentLayout(1);
    QTest::mousePress(toggle, Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_EQ(Bounds(Shot(toggle), kIconBlue), QRect(38, 18, 24, 24));
    QTest::mouseRelease(toggle, Qt::LeftButton, {}, QPoint(50, 30));
}

TEST_F(HoverButtonWindow, HoverLightsTheButtonWithARaisedEdgeUntilTheMouseLeaves)
{
    button->setText(QStringLiteral("Save"));
    QTest::mouseMove(button, QPoint(50, 30));
    QImage shot = Shot(button);
    EXPECT_EQ(At(shot, 0, 0), Light());
    EXPECT_EQ(At(shot, 99, 59), Dark());
    EXPECT_EQ(At(shot, 50, 5), Rgb(kSlots[0]));
    EXPECT_FALSE(Bounds(shot, Rgb(kSlots[1])).isEmpty());

    MoveAway();
    shot = Shot(button);
    EXPECT_EQ(At(shot, 0, 0), Rgb(kSlots[2])); // no edge at all
    EXPECT_EQ(At(shot, 99, 59), Rgb(kSlots[2]));
    EXPECT_FALSE(Bounds(shot, Rgb(kSlots[3])).isEmpty());
}

TEST_F(HoverButtonWindow, NoHoverBeginsWhileTheLeftButtonIsHeld)
{
    const auto moveOver = [this](Qt::MouseButtons held) {
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 30), button->mapToGlobal(QPointF(50, 30)),
                         Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
        return At(Shot(button), 50, 5);
    };
    EXPECT_EQ(moveOver(Qt::LeftButton), Rgb(kSlots[2]));
    EXPECT_EQ(moveOver(Qt::NoButton), Rgb(kSlots[0]));
}

TEST_F(HoverButtonWindow, CheckedToggleKeepsTheSunkenEdgeAndHoveredColoursWithoutTheMouse)
{
    CHoverButton* toggle = MakeButton(BS_AUTOCHECKBOX | BS_PUSHLIKE);
    toggle->setText(QStringLiteral("Front"));
    EXPECT_EQ(toggle->SendSetCheck(2), 0);
    EXPECT_EQ(toggle->SendGetCheck(), 1);
    MoveAway();
    const QImage shot = Shot(toggle);
    EXPECT_EQ(At(shot, 0, 0), Dark());
    EXPECT_EQ(At(shot, 99, 59), Light());
    EXPECT_EQ(At(shot, 50, 5), Rgb(kSlots[0]));
    EXPECT_FALSE(Bounds(shot, Rgb(kSlots[1])).isEmpty());

    toggle->SendSetCheck(3);
    EXPECT_EQ(toggle->GetCheckState(), 0);
}

TEST_F(HoverButtonWindow, ClicksAndDoubleClicksEachInvertAToggle)
{
    CHoverButton* toggle = MakeButton(BS_AUTOCHECKBOX | BS_PUSHLIKE);
    int clicks = 0;
    QObject::connect(toggle, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(toggle->GetCheckState(), 1);
    EXPECT_TRUE(toggle->hasFocus());
    // The second half of a double click: its press arrives as a double-click event.
    QTest::mouseDClick(toggle, Qt::LeftButton);
    QTest::mouseRelease(toggle, Qt::LeftButton);
    EXPECT_EQ(toggle->GetCheckState(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST_F(HoverButtonWindow, DisablingMovesTheFocusToTheNextTabStopWhoeverHadIt)
{
    edit->setFocus();
    button->setEnabled(false);
    EXPECT_EQ(QApplication::focusWidget(), next);

    button->setEnabled(true);
    next->setEnabled(false);
    edit->setEnabled(false);
    button->setFocus();
    button->setEnabled(false);
    EXPECT_EQ(QApplication::focusWidget(), &window); // no tab stop left: the parent
}

// Keyboard users see which flat button has the focus; a click leaves the button flat.
TEST_F(HoverButtonWindow, FocusFromTheKeyboardShowsADottedFrameAndAClickDoesNot)
{
    const auto cuePixels = [this] {
        const QImage shown = button->grab().toImage();
        int dark = 0;
        for (int x = 2; x < 98; ++x) // the cue runs along the top, two pixels inside the edge
            dark += qGray(shown.pixel(x, 2)) < 64 ? 1 : 0;
        return dark;
    };
    button->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(cuePixels(), 0);
    button->setFocus(Qt::OtherFocusReason);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Backtab);                        // back past "Next" ...
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab); // ... onto the button
    ASSERT_EQ(QApplication::focusWidget(), button);
    EXPECT_EQ(cuePixels(), 49); // every other pixel along the top, and the right side's first
}

TEST_F(HoverButtonWindow, SettersAnswerWithTheirErrorNumbers)
{
    EXPECT_EQ(button->SetContentLayout(4), 4u);
    EXPECT_EQ(button->SetPressShift(2), 6u);
    EXPECT_EQ(button->SetStateColor(6, 0), 3u);
    EXPECT_EQ(button->AssignBitmap(kMissingId, kMagenta), 1u);
    EXPECT_EQ(button->SetHoverCursor(kCursorId), 0u);
    EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(button->SetHoverCursor(kMissingId), 1u);
    EXPECT_FALSE(button->testAttribute(Qt::WA_SetCursor)); // back to the system's cursor

    ASSERT_EQ(button->AssignIcon(kIconId), 0u);
    EXPECT_EQ(button->AssignIcon(kMissingId), 1u);
    EXPECT_TRUE(Bounds(Shot(button), kIconBlue).isEmpty()); // the old icon is gone too
}

TEST_F(HoverButtonWindow, MagentaPixelsOfABitmapLetThePartUnderneathShow)
{
    QPalette yellow = window.palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    window.setPalette(yellow);
    window.setAutoFillBackground(true);
    ASSERT_EQ(button->AssignBitmap(kBitmapId, kMagenta), 0u);
    button->SetContentLayout(3); // the bitmap at the top-left corner
    QImage shot = Shot(button);
    EXPECT_EQ(At(shot, 1, 1), Rgb(kSlots[2]));
    EXPECT_EQ(At(shot, 15, 12), kPanelGreen);

    button->UseParentBackground();
    shot = Shot(button);
    EXPECT_EQ(At(shot, 1, 1), qRgb(255, 255, 0));
    EXPECT_EQ(At(shot, 31, 23), qRgb(255, 255, 0));
    EXPECT_EQ(At(shot, 15, 12), kPanelGreen);
}

TEST_F(HoverButtonWindow, DisabledBitmapIsDrawnInTheDisabledStyleWhenAskedTo)
{
    button->AssignBitmap(kBitmapId, kMagenta);
    button->SetContentLayout(3);
    button->setEnabled(false);
    QImage shot = Shot(button);
    EXPECT_EQ(At(shot, 15, 12), Dark());
    EXPECT_EQ(At(shot, 26, 21), Light()); // the highlight shows one pixel below and right
    EXPECT_EQ(At(shot, 1, 1), Rgb(kSlots[2]));

    button->SetGreyDisabledBitmap(FALSE);
    EXPECT_EQ(At(Shot(button), 15, 12), kPanelGreen);
}

TEST_F(HoverButtonWindow, CaptionColourFollowsTheState)
{
    button->setText(QStringLiteral("Load"));
    const auto shows = [this](QRgb colour) { return !Bounds(Shot(button), colour).isEmpty(); };
    EXPECT_TRUE(shows(Rgb(kSlots[3])));
    EXPECT_FALSE(shows(Rgb(kSlots[1])) || shows(Rgb(kSlots[5])));

    button->setFocus();
    EXPECT_TRUE(shows(Rgb(kSlots[5])));
    EXPECT_EQ(At(Shot(button), 50, 5), Rgb(kSlots[4]));

    QTest::mouseMove(button, QPoint(50, 30));
    EXPECT_TRUE(shows(Rgb(kSlots[1])));

    button->setEnabled(false); // twice: highlight shifted by (1, 1), then shadow in place
    EXPECT_TRUE(shows(Dark()));
    EXPECT_TRUE(shows(Light()));
    EXPECT_FALSE(shows(Rgb(kSlots[1])) || shows(Rgb(kSlots[3])) || shows(Rgb(kSlots[5])));
}

TEST_F(HoverButtonWindow, UnsetSlotsFollowThePaletteAndSetOnesKeepTheirColour)
{
    auto* plain = new CHoverButton(&window);
    plain->setGeometry(10, 10, 100, 60);
    plain->show();
    plain->SetStateColor(2, RGB(255, 0, 0));
    QPalette cyan = plain->palette();
    cyan.setColor(QPalette::Button, QColor(0, 255, 255));
    plain->setPalette(cyan);
    EXPECT_EQ(At(Shot(plain), 50, 5), qRgb(255, 0, 0));
    QTest::mouseMove(plain, QPoint(50, 30));
    EXPECT_EQ(At(Shot(plain), 50, 5), qRgb(0, 255, 255));
}

TEST_F(HoverButtonWindow, StyleDecidesToggleModeAndDefaultButton)
{
    CHoverButton* toggle = MakeButton(BS_AUTOCHECKBOX | BS_PUSHLIKE);
    EXPECT_EQ(toggle->OnGetDlgCode(), 0x2080u);
    EXPECT_EQ(toggle->GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(button->OnGetDlgCode(), 0x2020u);
    EXPECT_EQ(MakeButton(BS_DEFPUSHBUTTON)->OnGetDlgCode(), 0x2010u);
    button->SendSetStyle(BS_DEFPUSHBUTTON);
    EXPECT_EQ(button->OnGetDlgCode(), 0x2010u);
    EXPECT_EQ(button->GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(HoverButtonWindow, TipsWrapAtFourHundredPixelsAndAnInactiveTipShowsNothing)
{
    const QString words =
        QStringLiteral("Prints the front and the back of the cover on one sheet at their real "
                       "size, with guides for cutting and folding along the spines");
    button->SetTipText(words.toStdString());
    const QStringList lines = button->toolTip().split(QLatin1Char('\n'));
    EXPECT_GT(lines.size(), 1);
    for (const QString& line : lines)
        EXPECT_LE(QFontMetrics(QToolTip::font()).horizontalAdvance(line), 400) << line.toStdString();
    EXPECT_EQ(lines.join(QLatin1Char(' ')), words);

    button->SetTipText(""); // no text: no change
    EXPECT_EQ(button->toolTip().split(QLatin1Char('\n')), lines);
    button->SetTipText("Print", FALSE);
    EXPECT_TRUE(button->toolTip().isEmpty());
}

TEST_F(HoverButtonWindow, ClickOpensTheLinkCutTo259Characters)
{
    LinkCatcher catcher;
    const std::string link = "sleevora-test:" + std::string(300 - 14, 'a');
    button->SetLink(link);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toStdString(), link.substr(0, 259));

    CHoverButton* toggle = MakeButton(BS_AUTOCHECKBOX | BS_PUSHLIKE);
    toggle->SetLink(link);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(catcher.opened.size(), 1); // a toggle only changes its check
}

TEST(HoverButtonWithoutWindow, OpensItsLink)
{
    LinkCatcher catcher;
    CHoverButton help;
    help.OpenLink(); // no link: nothing asked
    help.SetLink("sleevora-test:help");
    help.OpenLink();
    EXPECT_EQ(catcher.opened, QStringList{QStringLiteral("sleevora-test:help")});
}

TEST(OffscreenDC, CopiesItsRectangleOnceWhenItGoesButDrawsStraightOnAPrinter)
{
    for (const bool printing : {false, true}) {
        QImage page(40, 40, QImage::Format_RGB32);
        page.fill(Qt::white);
        CDC target;
        ASSERT_TRUE(target.Attach(&page));
        target.SetPrinting(printing);
        const CRect rect(10, 10, 30, 30);
        {
            COffscreenDC dc(&target, &rect);
            dc.FillSolidRect(&rect, RGB(255, 0, 0)); // in the target's coordinates
            EXPECT_EQ(At(page, 15, 15), printing ? 0xFFFF0000u : 0xFFFFFFFFu);
        }
        EXPECT_EQ(Bounds(page, qRgb(255, 0, 0)), QRect(10, 10, 20, 20));
    }
}

#include "HoverButtonTest.moc"
