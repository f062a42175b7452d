// The track listing's grid control and its in-place editing, as real widgets on a window.
#include "EditGrid.h"
#include "EditTemplates.h"
#include "GridCellEdit.h"
#include "MSFlexGrid.h"
#include "QtConvert.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kTwipsPerPixel = 15; // 1440 twips per inch at the 96 dpi of the headless screen

// Writes down the grid's events with the current cell at the moment each one fires.
class CRecordingGrid : public CMSFlexGrid
{
public:
    using CMSFlexGrid::CMSFlexGrid;
    std::vector<std::string> m_events;

protected:
    std::string Where() const { return std::to_string(GetRow()) + "," + std::to_string(GetCol()); }
    void OnClick() override { m_events.push_back("Click " + Where()); }
    void OnKeyDown(short* pKeyCode, short nShift) override
    {
        m_events.push_back("KeyDown " + std::to_string(*pKeyCode) + " " + std::to_string(nShift));
    }
    void OnLeaveCell() override { m_events.push_back("LeaveCell " + Where()); }
    void OnScroll() override { m_events.push_back("Scroll"); }
};

// A grid as the track listing dialog has it, on a dialog with a default button.
template <class Grid> class GridOnDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        dialog.resize(420, 320);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setGeometry(380, 4, 36, 20);
        ok->setDefault(true);
        grid = new Grid(&dialog);
        grid->setGeometry(10, 30, 370, 263);
        grid->setFocusPolicy(Qt::StrongFocus);
        grid->LoadProperties(TrackGridProperties());
        grid->SetColWidth(0, 0);
        grid->SetColWidth(1, 400);
        grid->SetColWidth(2, 4000);
        grid->SetColWidth(3, 1000);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        grid->setFocus();
        QApplication::processEvents();
    }
    void MoveTo(LONG row, LONG col)
    {
        grid->SetRow(row);
        grid->SetCol(col);
    }
    // The current cell's rectangle in the grid's pixels.
    QRect CellPixels() const
    {
        return QRect(grid->GetCellLeft() / kTwipsPerPixel, grid->GetCellTop() / kTwipsPerPixel,
                     grid->GetCellWidth() / kTwipsPerPixel, grid->GetCellHeight() / kTwipsPerPixel);
    }
    QPoint ViewportCentreOf(LONG row, LONG col) const
    {
        return grid->visualRect(grid->model()->index(row - 1, col - 1)).center();
    }

    QDialog dialog;
    QPushButton* ok = nullptr;
    Grid* grid = nullptr;
};

using FlexGrid = GridOnDialog<CRecordingGrid>;
using EditGrid = GridOnDialog<CEditGrid>;

} // namespace

TEST_F(FlexGrid, StoredPropertiesGiveNineRowsOfFourColumnsInArial)
{
    EXPECT_EQ(grid->GetRows(), 9);
    EXPECT_EQ(grid->GetCols(), 4);
    EXPECT_EQ(grid->GetFixedRows(), 1);
    EXPECT_EQ(grid->GetFixedCols(), 1);
    EXPECT_EQ(grid->GetRow(), 1);
    EXPECT_EQ(grid->GetCol(), 1);
    const FlexGridFont font = grid->GetFont();
    EXPECT_EQ(font.strName, "Arial");
    EXPECT_EQ(font.nSize, 82500);
    EXPECT_EQ(font.nWeight, 400);
    EXPECT_EQ(font.nCharset, 0);
    EXPECT_FALSE(font.bItalic || font.bUnderline || font.bStrikethrough);
    EXPECT_EQ(grid->font().pixelSize(), 11);             // 8.25 points of 1/72 inch at 96 dpi
    EXPECT_EQ(FlexGridLogFont(font, 120).lfHeight, -14); // 13.75 pixels round up
    EXPECT_EQ(grid->OnGetDlgCode(), DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS);
}

TEST_F(FlexGrid, TextWritesTheCurrentCellAndTextMatrixLeavesItWhereItIs)
{
    MoveTo(0, 2);
    grid->SetText("Title.");
    MoveTo(3, 2);
    grid->SetText("Paper Boats");
    grid->SetTextMatrix(5, 3, "4:02");
    EXPECT_EQ(grid->GetRow(), 3);
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(grid->GetText(), "Paper Boats");
    EXPECT_EQ(grid->GetTextMatrix(5, 3), "4:02");
    // The heading row is the fixed top row; the data cells are the view's items.
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Title."));
    EXPECT_EQ(grid->model()->index(2, 1).data().toString(), QStringLiteral("Paper Boats"));
    EXPECT_EQ(grid->model()->index(4, 2).data().toString(), QStringLiteral("4:02"));
}

TEST_F(FlexGrid, CellRectangleInTwipsIsWhereTheCellIsDrawn)
{
    MoveTo(3, 2);
    grid->SetCellBackColor(RGB(255, 0, 0));
    MoveTo(5, 1); // the current cell is drawn marked
    const QImage shot = grid->grab().toImage();
    MoveTo(3, 2);
    const QRect cell = CellPixels();
    EXPECT_EQ(cell.width(), 267); // 4000 twips
    EXPECT_EQ(shot.pixelColor(cell.left() + 1, cell.top() + 1), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(cell.right() - 2, cell.bottom() - 2), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(cell.left() - 2, cell.center().y()), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(cell.center().x(), cell.top() - 2), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(cell.center().x(), cell.bottom() + 2), QColor(Qt::red));
    // Rows follow each other; the heading row lies above the first data row.
    MoveTo(4, 2);
    EXPECT_EQ(grid->GetCellTop(), (cell.top() + cell.height()) * kTwipsPerPixel);
    MoveTo(0, 2);
    EXPECT_EQ(grid->GetCellTop() + grid->GetCellHeight(), (cell.top() - 2 * cell.height()) * kTwipsPerPixel);
}

TEST_F(FlexGrid, ColumnWidthZeroHidesTheColumn)
{
    MoveTo(1, 1);
    const LONG numberLeft = grid->GetCellLeft();
    EXPECT_EQ(grid->GetCellWidth(), 27 * kTwipsPerPixel); // 400 twips, rounded to whole pixels
    MoveTo(1, 0);
    EXPECT_EQ(grid->GetCellWidth(), 0);
    EXPECT_EQ(grid->GetCellLeft(), numberLeft);

    grid->SetColWidth(2, 0);
    MoveTo(1, 3);
    EXPECT_EQ(grid->GetCellLeft(), numberLeft + 27 * kTwipsPerPixel);
    grid->SetColWidth(0, 600);
    EXPECT_EQ(grid->GetCellLeft(), numberLeft + (40 + 27) * kTwipsPerPixel);
}

TEST_F(FlexGrid, AddItemInsertsARowAndKeepsTheCurrentRowNumber)
{
    grid->SetTextMatrix(3, 2, "third");
    MoveTo(3, 2);
    grid->AddItem("New Row", 3);
    EXPECT_EQ(grid->GetRows(), 10);
    EXPECT_EQ(grid->GetTextMatrix(3, 0), "New Row");
    EXPECT_EQ(grid->GetTextMatrix(3, 2), "");
    EXPECT_EQ(grid->GetTextMatrix(4, 2), "third");
    EXPECT_EQ(grid->GetRow(), 3);
    grid->AddItem("New Row", 10); // after the last row
    EXPECT_EQ(grid->GetRows(), 11);
    EXPECT_EQ(grid->GetTextMatrix(10, 0), "New Row");
    grid->AddItem("New Row", 0); // above the headings: refused
    grid->AddItem("New Row", 12);
    EXPECT_EQ(grid->GetRows(), 11);
}

TEST_F(FlexGrid, RemoveItemKeepsTheHeadingsAndOneDataRow)
{
    grid->SetTextMatrix(4, 2, "fourth");
    grid->RemoveItem(3);
    EXPECT_EQ(grid->GetRows(), 8);
    EXPECT_EQ(grid->GetTextMatrix(3, 2), "fourth");
    MoveTo(7, 1);
    grid->RemoveItem(7); // the current last row: the new last row becomes current
    EXPECT_EQ(grid->GetRow(), 6);
    grid->RemoveItem(0);
    EXPECT_EQ(grid->GetRows(), 7);
    while (grid->GetRows() > 2)
        grid->RemoveItem(1);
    grid->RemoveItem(1);
    EXPECT_EQ(grid->GetRows(), 2);
    EXPECT_EQ(grid->GetRow(), 1);
}

TEST_F(FlexGrid, CellAlignmentPlacesTextLeftCentredOrAtTheBottom)
{
    MoveTo(2, 2);
    grid->SetCellAlignment(flexAlignLeftCenter);
    MoveTo(3, 2);
    grid->SetCellAlignment(flexAlignLeftBottom);
    EXPECT_EQ(grid->GetCellAlignment(), flexAlignLeftBottom);
    const auto alignment = [this](int row) {
        return grid->model()->index(row - 1, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    EXPECT_EQ(alignment(2), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(alignment(3), Qt::AlignLeft | Qt::AlignBottom);
}

TEST(OleColor, PlainColoursTranslateAsTheyAreAndUnknownSystemColoursFail)
{
    COLORREF cr = 1;
    EXPECT_TRUE(OleTranslateColor(RGB(12, 34, 56), &cr));
    EXPECT_EQ(cr, RGB(12, 34, 56));
    EXPECT_FALSE(OleTranslateColor(0x80000063, &cr)); // no system colour 99
    EXPECT_FALSE(OleTranslateColor(0x01000005, &cr)); // a palette index, and no palette
}

TEST_F(FlexGrid, ClickMovesTheCurrentCellAfterLeaveCell)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ViewportCentreOf(3, 2));
    EXPECT_EQ(grid->m_events, (std::vector<std::string>{"LeaveCell 1,1", "Click 3,2"}));
    grid->m_events.clear();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ViewportCentreOf(3, 2));
    EXPECT_EQ(grid->m_events, (std::vector<std::string>{"Click 3,2"})); // the same cell: no LeaveCell
}

TEST_F(FlexGrid, KeysReportTheirCodeAndShiftStateAndArrowsMoveTheCell)
{
    MoveTo(2, 2);
    QTest::keyClick(grid, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Down);
    // Shift and Control are keys of their own.
    EXPECT_EQ(grid->m_events, (std::vector<std::string>{"KeyDown 16 1", "KeyDown 13 1", "KeyDown 17 2",
                                                        "KeyDown 65 2", "KeyDown 40 0", "LeaveCell 2,2"}));
    EXPECT_EQ(grid->GetRow(), 3);
    // Moving the current cell from code fires nothing.
    grid->m_events.clear();
    MoveTo(5, 3);
    EXPECT_TRUE(grid->m_events.empty());
}

TEST_F(FlexGrid, EnterAndEscapeStayInTheGridAndTabMovesOnAfterKeyDown)
{
    int presses = 0;
    QObject::connect(ok, &QPushButton::clicked, [&presses] { ++presses; });
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->m_events, (std::vector<std::string>{"KeyDown 13 0", "KeyDown 27 0", "KeyDown 9 0"}));
    EXPECT_TRUE(ok->hasFocus());
}

TEST_F(FlexGrid, ScrollingTheCellsFiresScroll)
{
    for (int i = 0; i < 30; ++i)
        grid->AddItem("New Row", grid->GetRows());
    QApplication::processEvents();
    grid->verticalScrollBar()->setValue(4);
    EXPECT_EQ(grid->m_events, (std::vector<std::string>{"Scroll"}));
    // A cell moved to by the keyboard comes into view.
    grid->m_events.clear();
    MoveTo(30, 1);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->m_events.back(), "Scroll");
    EXPECT_EQ(grid->GetRow(), 31);
}

TEST_F(EditGrid, AttachingGivesAHiddenEditBoxInTheGridsFont)
{
    grid->PreSubclassWindow();
    CGridCellEdit* box = grid->EditBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), grid);
    EXPECT_TRUE(box->isHidden());
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(box->font().pixelSize(), 11);
    EXPECT_EQ(box->font().family(), QStringLiteral("Arial"));
}

TEST_F(EditGrid, StartEditCoversTheCellBelowItsTopLineWithTheTextSelected)
{
    grid->PreSubclassWindow();
    MoveTo(3, 2);
    grid->SetText("Paper Boats");
    grid->StartEdit();
    CGridCellEdit* box = grid->EditBox();
    const QRect cell = CellPixels();
    EXPECT_EQ(box->geometry(), cell.adjusted(0, 1, 0, 0)); // 15 twips lower at the top only
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->selectedText(), QStringLiteral("Paper Boats"));
    EXPECT_EQ(box->cursorPosition(), 11);
}

TEST_F(EditGrid, EditBoxTakesTheCellsColoursElseTheGridsElseBlackOnWhite)
{
    grid->PreSubclassWindow();
    MoveTo(2, 2);
    EXPECT_EQ(grid->GetCellBackColor(), 0u); // no colour of its own: the grid's, the system's window colours
    EXPECT_EQ(grid->GetCellForeColor(), 0u);
    grid->StartEdit();
    EXPECT_EQ(ToQColor(grid->EditBox()->BackgroundColor()), QGuiApplication::palette().color(QPalette::Base));
    EXPECT_EQ(ToQColor(grid->EditBox()->TextColor()), QGuiApplication::palette().color(QPalette::Text));
    grid->EndEdit();

    grid->SetForeColor(RGB(10, 20, 30));
    grid->SetBackColor(RGB(200, 210, 220));
    grid->StartEdit();
    EXPECT_EQ(grid->EditBox()->TextColor(), RGB(10, 20, 30));
    EXPECT_EQ(grid->EditBox()->BackgroundColor(), RGB(200, 210, 220));
    grid->EndEdit();

    grid->SetCellForeColor(RGB(255, 255, 0));
    grid->SetCellBackColor(RGB(0, 0, 128));
    grid->StartEdit();
    EXPECT_EQ(grid->EditBox()->TextColor(), RGB(255, 255, 0));
    EXPECT_EQ(grid->EditBox()->BackgroundColor(), RGB(0, 0, 128));
    grid->EndEdit();

    grid->SetCellForeColor(0x80000063);
    grid->SetCellBackColor(0x80000063);
    grid->StartEdit();
    EXPECT_EQ(grid->EditBox()->TextColor(), RGB(0, 0, 0));
    EXPECT_EQ(grid->EditBox()->BackgroundColor(), RGB(255, 255, 255));
}

TEST_F(EditGrid, EndEditStoresIntoDataCellsOnlyAndHandsTheKeyboardBack)
{
    grid->PreSubclassWindow();
    MoveTo(0, 2);
    grid->SetText("Title.");
    grid->StartEdit();
    QTest::keyClicks(grid->EditBox(), "Changed");
    grid->EndEdit();
    EXPECT_EQ(grid->GetTextMatrix(0, 2), "Title."); // the headings are not edited
    EXPECT_FALSE(grid->IsEditing());

    MoveTo(2, 2);
    grid->StartEdit();
    QTest::keyClicks(grid->EditBox(), "Harbour Lights");
    grid->EndEdit();
    EXPECT_EQ(grid->GetTextMatrix(2, 2), "Harbour Lights");
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(EditGrid, ScrollingEndsTheEdit)
{
    grid->PreSubclassWindow();
    for (int i = 0; i < 30; ++i)
        grid->AddItem("New Row", grid->GetRows());
    QApplication::processEvents();
    MoveTo(2, 2);
    grid->StartEdit();
    QTest::keyClicks(grid->EditBox(), "Salt");
    grid->verticalScrollBar()->setValue(5);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetTextMatrix(2, 2), "Salt");
}
