#include "GridCellEdit.h"

#include "QtConvert.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <limits>

CGridCellEdit::CGridCellEdit(QWidget* pGrid) : QLineEdit(pGrid)
{
    setMaxLength(std::numeric_limits<int>::max()); // a cell keeps all of its text
    setFrame(false);
    setGeometry(0, 0, 100, 100);
    hide();
}

void CGridCellEdit::SetCellColors(COLORREF crText, COLORREF crBackground)
{
    m_crText = crText;
    m_crBackground = crBackground;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ToQColor(crText));
    colours.setColor(QPalette::Base, ToQColor(crBackground));
    setPalette(colours);
    update();
}

void CGridCellEdit::PostKeyToGrid(int nKey, Qt::KeyboardModifiers modifiers)
{
    if (QWidget* grid = parentWidget())
        QCoreApplication::postEvent(grid, new QKeyEvent(QEvent::KeyPress, nKey, modifiers));
}

bool CGridCellEdit::IsGridOrInsideIt(const QWidget* pWidget) const
{
    const QWidget* grid = parentWidget();
    for (const QWidget* w = pWidget; w; w = w->parentWidget())
        if (w == grid)
            return w != this;
    return false;
}

// Tab, Backtab and the dialog's Enter and Escape would otherwise be taken as navigation
// or as the dialog's own buttons before the box sees them.
bool CGridCellEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape) {
            const bool backwards =
                key == Qt::Key_Backtab || (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier);
            if (event->type() == QEvent::KeyPress && key == Qt::Key_Escape)
                PostKeyToGrid(Qt::Key_Escape);
            else if (event->type() == QEvent::KeyPress)
                PostKeyToGrid(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CGridCellEdit::keyPressEvent(QKeyEvent* event)
{
    // Several lines or cells are no text for one cell: the grid spreads them over its rows.
    if (event->matches(QKeySequence::Paste) &&
        QGuiApplication::clipboard()->text().contains(QRegularExpression(QStringLiteral("[\\r\\n\\t]")))) {
        PostKeyToGrid(Qt::Key_V, Qt::ControlModifier);
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PostEnterToGrid();
        event->accept();
        return;
    case Qt::Key_Up:
        // A one-line box moves its caret with every arrow instead of passing it on.
        cursorBackward(event->modifiers() & Qt::ShiftModifier);
        event->accept();
        return;
    case Qt::Key_Down:
        cursorForward(event->modifiers() & Qt::ShiftModifier);
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
        event->accept();
    }
}

void CGridCellEdit::focusOutEvent(QFocusEvent* event)
{
    // Losing the focus to the grid itself, or to no window of the program, keeps the edit.
    const QWidget* next = QApplication::focusWidget();
    if (next && !IsGridOrInsideIt(next))
        PostEnterToGrid();
    QLineEdit::focusOutEvent(event);
}
