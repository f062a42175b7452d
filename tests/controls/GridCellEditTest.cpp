#include "GridCellEdit.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// Stands in for the grid: counts the Enter key-downs it is told about and notes every key,
// taking them all as the grid does (Tab included).
class CStandInGrid : public QWidget
{
public:
    using QWidget::QWidget;
    int m_nEnters = 0;
    std::vector<std::pair<int, bool>> m_keys; // key, with Shift

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QWidget::event(event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return)
            ++m_nEnters;
        m_keys.emplace_back(key->key(), (key->modifiers() & Qt::ShiftModifier) != 0);
        return true;
    }
};

// A dialog with a grid (holding the edit box) and a button, as the track listing dialog is.
class CellEditDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        grid = new CStandInGrid(&dialog);
        grid->setFocusPolicy(Qt::StrongFocus);
        grid->setMinimumSize(200, 100);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        layout->addWidget(grid);
        layout->addWidget(ok);
        edit = new CGridCellEdit(grid);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        edit->setGeometry(10, 10, 120, 20);
        edit->show();
        edit->setFocus();
        QApplication::processEvents();
    }
    QDialog dialog;
    CStandInGrid* grid = nullptr;
    QPushButton* ok = nullptr;
    CGridCellEdit* edit = nullptr;
};

} // namespace

TEST_F(CellEditDialog, EnterTellsTheGridAndStaysFromTheDialog)
{
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->m_nEnters, 1);
    EXPECT_TRUE(dialog.isVisible()); // the dialog's default button did not take it
    EXPECT_TRUE(edit->isVisible());  // the box never hides itself
}

// Escape, Tab and Shift+Tab never reach the dialog (no Cancel, no focus moving on): the box
// tells the grid, which cancels the edit or moves along the row.
TEST_F(CellEditDialog, EscapeAndTabGoToTheGridNotTheDialog)
{
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(grid->m_nEnters, 0);
    const std::vector<std::pair<int, bool>> told = {
        {Qt::Key_Escape, false}, {Qt::Key_Tab, false}, {Qt::Key_Tab, true}};
    EXPECT_EQ(grid->m_keys, told);
}

TEST_F(CellEditDialog, ArrowsHomeAndEndMoveTheCaretInsideTheBox)
{
    edit->setText(QStringLiteral("Harbour"));
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->cursorPosition(), 3);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_End);
    EXPECT_EQ(edit->cursorPosition(), 7);
    QTest::keyClick(edit, Qt::Key_Home);
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(CellEditDialog, FocusMovingToAnotherWindowEndsTheEdit)
{
    ok->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(grid->m_nEnters, 1);
}

TEST_F(CellEditDialog, FocusMovingToTheGridItselfDoesNot)
{
    grid->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(grid->m_nEnters, 0);
}

TEST_F(CellEditDialog, CellColoursRecolourTheBox)
{
    edit->SetCellColors(RGB(255, 0, 0), RGB(0, 0, 128));
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0, 0, 128));
    const QImage shot = edit->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 2, shot.height() / 2), QColor(0, 0, 128));
}
