#include "MSFlexGrid.h"

#include "DC.h"
#include "MulDiv.h"
#include "QtConvert.h"

#include <QAbstractTableModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <algorithm>
#include <vector>

namespace {

// The control's default colours: the system's window background and window text.
constexpr OLE_COLOR kDefaultBackColor = kSystemColor | COLOR_WINDOW;
constexpr OLE_COLOR kDefaultForeColor = kSystemColor | COLOR_WINDOWTEXT;

constexpr int kTwipsPerInch = 1440;
constexpr LONG kDefaultColWidthTwips = 960;

int ScreenPixelsPerInch(bool bVertical)
{
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    return screen.GetDeviceCaps(bVertical ? LOGPIXELSY : LOGPIXELSX);
}

LONG PixelsToTwips(int nPixels, bool bVertical)
{
    return nPixels * kTwipsPerInch / ScreenPixelsPerInch(bVertical);
}

// Windows virtual-key codes of the keys a grid user presses; 0 for keys that have none.
short VirtualKeyOf(int nKey)
{
    if ((nKey >= Qt::Key_A && nKey <= Qt::Key_Z) || (nKey >= Qt::Key_0 && nKey <= Qt::Key_9))
        return static_cast<short>(nKey); // the same codes as the upper-case letters and digits
    if (nKey >= Qt::Key_F1 && nKey <= Qt::Key_F24)
        return static_cast<short>(VK_F1 + (nKey - Qt::Key_F1));
    static const std::pair<int, short> kNamed[] = {
        {Qt::Key_Backspace, 0x08},   {Qt::Key_Tab, 0x09},        {Qt::Key_Backtab, 0x09},
        {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, 0x10},
        {Qt::Key_Control, 0x11},     {Qt::Key_Alt, 0x12},        {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, 0x20},       {Qt::Key_PageUp, 0x21},     {Qt::Key_PageDown, 0x22},
        {Qt::Key_End, VK_END},       {Qt::Key_Home, VK_HOME},    {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},         {Qt::Key_Right, VK_RIGHT},  {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Insert, 0x2D},      {Qt::Key_Delete, 0x2E},
    };
    for (const auto& [key, code] : kNamed)
        if (key == nKey)
            return code;
    return 0;
}

short ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    short nShift = 0;
    if (modifiers & Qt::ShiftModifier)
        nShift |= SHIFT_MASK;
    if (modifiers & Qt::ControlModifier)
        nShift |= CTRL_MASK;
    if (modifiers & Qt::AltModifier)
        nShift |= ALT_MASK;
    return nShift;
}

Qt::Alignment AlignmentOf(short nAlignment)
{
    if (nAlignment < 0 || nAlignment > 8)
        return Qt::AlignLeft | Qt::AlignVCenter; // general: text to the left, centred vertically
    static const Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment kVertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return kHorizontal[nAlignment / 3] | kVertical[nAlignment % 3];
}

struct FlexCell
{
    std::string strText;
    short nAlignment = flexAlignGeneral;
    OLE_COLOR clrBack = 0;
    OLE_COLOR clrFore = 0;
};

} // namespace

// Every cell of the grid, the fixed ones included, as bytes. The view sees the data cells
// as its items and the fixed row and column as its header sections.
class CFlexGridModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Reset(int nRows, int nCols, int nFixedRows, int nFixedCols)
    {
        beginResetModel();
        m_nFixedRows = nFixedRows;
        m_nFixedCols = nFixedCols;
        m_cells.assign(static_cast<size_t>(nRows), std::vector<FlexCell>(static_cast<size_t>(nCols)));
        endResetModel();
    }
    int Rows() const { return static_cast<int>(m_cells.size()); }
    int Cols() const { return m_cells.empty() ? 0 : static_cast<int>(m_cells.front().size()); }
    int FixedRows() const { return m_nFixedRows; }
    int FixedCols() const { return m_nFixedCols; }
    const FlexCell& Cell(int nRow, int nCol) const { return m_cells[size_t(nRow)][size_t(nCol)]; }
    FlexCell& Cell(int nRow, int nCol) { return m_cells[size_t(nRow)][size_t(nCol)]; }

    // Redraws a cell after a change, wherever the view shows it.
    void CellChanged(int nRow, int nCol)
    {
        if (nRow < m_nFixedRows && nCol >= m_nFixedCols)
            emit headerDataChanged(Qt::Horizontal, nCol - m_nFixedCols, nCol - m_nFixedCols);
        else if (nCol < m_nFixedCols && nRow >= m_nFixedRows)
            emit headerDataChanged(Qt::Vertical, nRow - m_nFixedRows, nRow - m_nFixedRows);
        else if (nRow >= m_nFixedRows && nCol >= m_nFixedCols)
            emit dataChanged(index(nRow - m_nFixedRows, nCol - m_nFixedCols),
                             index(nRow - m_nFixedRows, nCol - m_nFixedCols));
    }
    void InsertRow(int nRow)
    {
        beginInsertRows(QModelIndex(), nRow - m_nFixedRows, nRow - m_nFixedRows);
        m_cells.insert(m_cells.begin() + nRow, std::vector<FlexCell>(static_cast<size_t>(Cols())));
        endInsertRows();
    }
    // Every data row replaced in one change, so that a view (and a screen reader following it)
    // hears of one reset rather than of each row.
    void ReplaceDataRows(const std::vector<std::vector<std::string>>& rows, short nAlignment)
    {
        beginResetModel();
        const size_t cols = static_cast<size_t>(Cols());
        m_cells.resize(static_cast<size_t>(m_nFixedRows));
        m_cells.reserve(m_cells.size() + std::max<size_t>(rows.size(), 1));
        for (const std::vector<std::string>& row : rows) {
            std::vector<FlexCell> cells(cols);
            for (size_t col = 0; col < cols; ++col) {
                cells[col].strText = col < row.size() ? row[col] : std::string();
                if (col >= static_cast<size_t>(m_nFixedCols))
                    cells[col].nAlignment = nAlignment;
            }
            m_cells.push_back(std::move(cells));
        }
        if (rows.empty())
            m_cells.emplace_back(cols);
        endResetModel();
    }
    void RemoveRow(int nRow)
    {
        beginRemoveRows(QModelIndex(), nRow - m_nFixedRows, nRow - m_nFixedRows);
        m_cells.erase(m_cells.begin() + nRow);
        endRemoveRows();
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : Rows() - m_nFixedRows;
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : Cols() - m_nFixedCols;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        return CellData(Cell(index.row() + m_nFixedRows, index.column() + m_nFixedCols), role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && m_nFixedRows > 0 && section + m_nFixedCols < Cols())
            return CellData(Cell(0, section + m_nFixedCols), role);
        if (orientation == Qt::Vertical && m_nFixedCols > 0 && section + m_nFixedRows < Rows())
            return CellData(Cell(section + m_nFixedRows, 0), role);
        return {};
    }

private:
    static QVariant CellData(const FlexCell& cell, int role)
    {
        COLORREF cr = 0;
        switch (role) {
        case Qt::DisplayRole:
            return ToQString(cell.strText);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(AlignmentOf(cell.nAlignment));
        case Qt::BackgroundRole:
            if (cell.clrBack != 0 && OleTranslateColor(cell.clrBack, &cr))
                return ToQColor(cr);
            return {};
        case Qt::ForegroundRole:
            if (cell.clrFore != 0 && OleTranslateColor(cell.clrFore, &cr))
                return ToQColor(cr);
            return {};
        default:
            return {};
        }
    }

    std::vector<std::vector<FlexCell>> m_cells;
    int m_nFixedRows = 1;
    int m_nFixedCols = 1;
};

LOGFONT FlexGridLogFont(const FlexGridFont& font, int nLogPixelsY)
{
    LOGFONT lf{};
    SetFaceName(lf, font.strName);
    lf.lfCharSet = static_cast<BYTE>(font.nCharset);
    lf.lfWeight = font.nWeight;
    lf.lfItalic = font.bItalic;
    lf.lfUnderline = font.bUnderline;
    lf.lfStrikeOut = font.bStrikethrough;
    lf.lfHeight = -MulDiv(static_cast<int>(font.nSize), nLogPixelsY, 720000);
    return lf;
}

CMSFlexGrid::CMSFlexGrid(QWidget* pParent) : QTableView(pParent), m_pModel(new CFlexGridModel(this))
{
    setModel(m_pModel);
    setSelectionMode(NoSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // The current cell comes into view only when the user moves it, not when code does.
    setAutoScroll(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { OnScroll(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { OnScroll(); });
    // The control's own defaults until its stored properties are loaded.
    LoadProperties({2, 2, 1, 1, {"MS Sans Serif", 82500, 400, 0, false, false, false}});
}

CMSFlexGrid::~CMSFlexGrid() = default;

void CMSFlexGrid::LoadProperties(const FlexGridProperties& properties)
{
    // One fixed row and column at most: they are the view's headers.
    const int fixedRows = std::clamp(properties.nFixedRows, 0, 1);
    const int fixedCols = std::clamp(properties.nFixedCols, 0, 1);
    m_pModel->Reset(std::max(properties.nRows, fixedRows + 1), std::max(properties.nCols, fixedCols + 1),
                    fixedRows, fixedCols);
    horizontalHeader()->setVisible(fixedRows > 0);
    m_nRow = fixedRows;
    m_nCol = fixedCols;
    m_clrBack = kDefaultBackColor;
    m_clrFore = kDefaultForeColor;
    ApplyColors();
    SetFont(properties.font);
    ResetColumnWidths();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    ShowCurrentCell();
}

LONG CMSFlexGrid::GetRows() const
{
    return m_pModel->Rows();
}

LONG CMSFlexGrid::GetCols() const
{
    return m_pModel->Cols();
}

LONG CMSFlexGrid::GetFixedRows() const
{
    return m_pModel->FixedRows();
}

LONG CMSFlexGrid::GetFixedCols() const
{
    return m_pModel->FixedCols();
}

bool CMSFlexGrid::IsCell(LONG nRow, LONG nCol) const
{
    return nRow >= 0 && nRow < GetRows() && nCol >= 0 && nCol < GetCols();
}

void CMSFlexGrid::SetRow(LONG nRow)
{
    if (!IsCell(nRow, m_nCol))
        return;
    m_nRow = nRow;
    ShowCurrentCell();
}

void CMSFlexGrid::SetCol(LONG nCol)
{
    if (!IsCell(m_nRow, nCol))
        return;
    m_nCol = nCol;
    ShowCurrentCell();
}

std::string CMSFlexGrid::GetText() const
{
    return m_pModel->Cell(m_nRow, m_nCol).strText;
}

void CMSFlexGrid::SetText(const std::string& text)
{
    SetTextMatrix(m_nRow, m_nCol, text);
}

std::string CMSFlexGrid::GetTextMatrix(LONG nRow, LONG nCol) const
{
    return IsCell(nRow, nCol) ? m_pModel->Cell(nRow, nCol).strText : std::string();
}

void CMSFlexGrid::SetTextMatrix(LONG nRow, LONG nCol, const std::string& text)
{
    if (!IsCell(nRow, nCol))
        return;
    m_pModel->Cell(nRow, nCol).strText = text;
    m_pModel->CellChanged(nRow, nCol);
}

void CMSFlexGrid::SetColWidth(LONG nIndex, LONG nWidth)
{
    if (nIndex < 0 || nIndex >= GetCols())
        return;
    const int pixels =
        nWidth < 0 ? m_nDefaultColWidth : MulDiv(nWidth, ScreenPixelsPerInch(false), kTwipsPerInch);
    if (nIndex < GetFixedCols()) {
        verticalHeader()->setFixedWidth(pixels);
        verticalHeader()->setVisible(pixels > 0);
    } else {
        const int section = nIndex - GetFixedCols();
        horizontalHeader()->setSectionHidden(section, pixels == 0);
        if (pixels > 0)
            horizontalHeader()->resizeSection(section, pixels);
    }
    updateGeometries();
}

void CMSFlexGrid::ResetColumnWidths()
{
    m_nDefaultColWidth = MulDiv(kDefaultColWidthTwips, ScreenPixelsPerInch(false), kTwipsPerInch);
    for (LONG col = 0; col < GetCols(); ++col)
        SetColWidth(col, -1);
    verticalHeader()->setVisible(GetFixedCols() > 0);
    updateGeometries();
}

short CMSFlexGrid::GetCellAlignment() const
{
    return m_pModel->Cell(m_nRow, m_nCol).nAlignment;
}

void CMSFlexGrid::SetCellAlignment(short nAlignment)
{
    if (nAlignment < 0 || nAlignment > flexAlignGeneral)
        return;
    m_pModel->Cell(m_nRow, m_nCol).nAlignment = nAlignment;
    m_pModel->CellChanged(m_nRow, m_nCol);
}

// A cell's place in the grid's own coordinates, which start at its outer top-left corner.
// Fixed cells lie on the headers, the others on the scrolled viewport.
QRect CMSFlexGrid::CellRectPixels(LONG nRow, LONG nCol) const
{
    const QHeaderView* top = horizontalHeader();
    const QHeaderView* side = verticalHeader();
    const QRect cells = viewport()->geometry();
    int x, width, y, height;
    if (nCol < GetFixedCols()) {
        x = side->isHidden() ? cells.left() : side->x();
        width = side->isHidden() ? 0 : side->width();
    } else {
        x = cells.left() + columnViewportPosition(nCol - GetFixedCols());
        width = columnWidth(nCol - GetFixedCols());
    }
    if (nRow < GetFixedRows()) {
        y = top->isHidden() ? cells.top() : top->y();
        height = top->isHidden() ? 0 : top->height();
    } else {
        y = cells.top() + rowViewportPosition(nRow - GetFixedRows());
        height = rowHeight(nRow - GetFixedRows());
    }
    return QRect(x, y, width, height);
}

LONG CMSFlexGrid::GetCellLeft() const
{
    return PixelsToTwips(CellRectPixels(m_nRow, m_nCol).left(), false);
}

LONG CMSFlexGrid::GetCellTop() const
{
    return PixelsToTwips(CellRectPixels(m_nRow, m_nCol).top(), true);
}

LONG CMSFlexGrid::GetCellWidth() const
{
    return PixelsToTwips(CellRectPixels(m_nRow, m_nCol).width(), false);
}

LONG CMSFlexGrid::GetCellHeight() const
{
    return PixelsToTwips(CellRectPixels(m_nRow, m_nCol).height(), true);
}

OLE_COLOR CMSFlexGrid::GetCellBackColor() const
{
    return m_pModel->Cell(m_nRow, m_nCol).clrBack;
}

void CMSFlexGrid::SetCellBackColor(OLE_COLOR clr)
{
    m_pModel->Cell(m_nRow, m_nCol).clrBack = clr;
    m_pModel->CellChanged(m_nRow, m_nCol);
}

OLE_COLOR CMSFlexGrid::GetCellForeColor() const
{
    return m_pModel->Cell(m_nRow, m_nCol).clrFore;
}

void CMSFlexGrid::SetCellForeColor(OLE_COLOR clr)
{
    m_pModel->Cell(m_nRow, m_nCol).clrFore = clr;
    m_pModel->CellChanged(m_nRow, m_nCol);
}

void CMSFlexGrid::SetBackColor(OLE_COLOR clr)
{
    m_clrBack = clr;
    ApplyColors();
}

void CMSFlexGrid::SetForeColor(OLE_COLOR clr)
{
    m_clrFore = clr;
    ApplyColors();
}

void CMSFlexGrid::ApplyColors()
{
    QPalette colours = palette();
    COLORREF cr = 0;
    colours.setColor(QPalette::Base, OleTranslateColor(m_clrBack, &cr) ? ToQColor(cr) : QColor(Qt::white));
    colours.setColor(QPalette::Text, OleTranslateColor(m_clrFore, &cr) ? ToQColor(cr) : QColor(Qt::black));
    setPalette(colours);
}

void CMSFlexGrid::SetFont(const FlexGridFont& font)
{
    m_font = font;
    ApplyFont();
}

// Draws with the font at the screen's resolution; rows are as high as its lines plus a
// small margin, as the control sizes them.
void CMSFlexGrid::ApplyFont()
{
    setFont(ToQFont(FlexGridLogFont(m_font, ScreenPixelsPerInch(true))));
    const int rowHeight = fontMetrics().height() + 3;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int section = 0; section < verticalHeader()->count(); ++section)
        verticalHeader()->resizeSection(section, rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    updateGeometries();
}

void CMSFlexGrid::AddItem(const std::string& item, LONG nIndex)
{
    if (nIndex < GetFixedRows() || nIndex > GetRows())
        return;
    m_pModel->InsertRow(nIndex);
    SetTextMatrix(nIndex, 0, item);
    ShowCurrentCell();
}

void CMSFlexGrid::SetDataRows(const std::vector<std::vector<std::string>>& rows, short nAlignment)
{
    m_pModel->ReplaceDataRows(rows, nAlignment);
    m_nRow = std::min(m_nRow, GetRows() - 1);
    ShowCurrentCell();
}

void CMSFlexGrid::RemoveItem(LONG nIndex)
{
    if (nIndex < GetFixedRows() || nIndex >= GetRows() || GetRows() - GetFixedRows() <= 1)
        return;
    m_pModel->RemoveRow(nIndex);
    m_nRow = std::min(m_nRow, GetRows() - 1);
    ShowCurrentCell();
}

UINT CMSFlexGrid::OnGetDlgCode() const
{
    return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

// Marks the current cell in the view; a fixed current cell (headings being written) marks none.
void CMSFlexGrid::ShowCurrentCell()
{
    const bool data = m_nRow >= GetFixedRows() && m_nCol >= GetFixedCols();
    const QModelIndex index =
        data ? m_pModel->index(m_nRow - GetFixedRows(), m_nCol - GetFixedCols()) : QModelIndex();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

// The user moves the current cell: LeaveCell while the old cell is still current, then
// the move, then the new cell is brought into view.
void CMSFlexGrid::MoveToCellByUser(LONG nRow, LONG nCol)
{
    if (nRow == m_nRow && nCol == m_nCol)
        return;
    OnLeaveCell();
    m_nRow = nRow;
    m_nCol = nCol;
    ShowCurrentCell();
    scrollTo(currentIndex());
}

bool CMSFlexGrid::MoveByKey(int nKey, Qt::KeyboardModifiers modifiers)
{
    static const std::pair<int, CursorAction> kMoves[] = {
        {Qt::Key_Up, MoveUp},         {Qt::Key_Down, MoveDown},         {Qt::Key_Left, MoveLeft},
        {Qt::Key_Right, MoveRight},   {Qt::Key_Home, MoveHome},         {Qt::Key_End, MoveEnd},
        {Qt::Key_PageUp, MovePageUp}, {Qt::Key_PageDown, MovePageDown},
    };
    for (const auto& [key, action] : kMoves) {
        if (key != nKey)
            continue;
        const QModelIndex next = moveCursor(action, modifiers);
        if (next.isValid())
            MoveToCellByUser(next.row() + GetFixedRows(), next.column() + GetFixedCols());
        return true;
    }
    return false;
}

// Every key press goes to the grid's own handling, Tab and Backtab included, before the
// widget's focus navigation could take them: the grid reports them as KeyDown first.
bool CMSFlexGrid::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (OnGetDlgCode() & DLGC_WANTALLKEYS)) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QTableView::event(event);
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event)
{
    short code = VirtualKeyOf(event->key());
    if (code != 0)
        OnKeyDown(&code, ShiftStateOf(event->modifiers()));
    if (code != 0 && !MoveByKey(event->key(), event->modifiers())) {
        // Tab then moves on to the dialog's next control, the control's default tab behaviour.
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
            focusNextPrevChild(event->key() == Qt::Key_Tab);
    }
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (code != 0 && !command && !typed.isEmpty() && typed.at(0).isPrint())
        OnKeyPress(typed);
    event->accept();
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_bLeftPressed = true;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        MoveToCellByUser(index.row() + GetFixedRows(), index.column() + GetFixedCols());
}

void CMSFlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_bLeftPressed)
        return;
    m_bLeftPressed = false;
    if (viewport()->rect().contains(event->position().toPoint()))
        OnClick();
}

// The second press of a double click moves the current cell as a first press does.
void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

// The view picks a current item of its own when it gains the focus without one; the
// grid's current cell stays what it is.
void CMSFlexGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    ShowCurrentCell();
}
