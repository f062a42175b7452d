#include "QtModalHost.h"

#include "Dialog.h"
#include "QtConvert.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QMessageBox::Icon IconFor(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

std::vector<std::pair<QMessageBox::StandardButton, int>> ButtonsFor(UINT nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

} // namespace

CWinMessageBox::CWinMessageBox(QWidget* pParent, const std::string& text, const std::string& caption,
                               UINT nType)
    : QMessageBox(pParent)
{
    setTextFormat(Qt::PlainText);
    setText(ToQString(text));
    setWindowTitle(ToQString(caption));
    setIcon(IconFor(nType));
    AddButtons(nType);
    connect(this, &QMessageBox::buttonClicked, this, [this](QAbstractButton* button) {
        for (const auto& [candidate, result] : m_buttons)
            if (candidate == button)
                m_nResult = result;
    });
}

void CWinMessageBox::AddButtons(UINT nType)
{
    for (const auto& [standard, result] : ButtonsFor(nType))
        m_buttons.emplace_back(addButton(standard), result);
    const size_t defaultIndex = (nType & MB_DEFMASK) >> 8;
    if (defaultIndex < m_buttons.size())
        setDefaultButton(static_cast<QPushButton*>(m_buttons[defaultIndex].first));
}

QAbstractButton* CWinMessageBox::ButtonFor(int nResult) const
{
    for (const auto& [button, result] : m_buttons)
        if (result == nResult)
            return button;
    return nullptr;
}

int CWinMessageBox::EscapeResult() const
{
    if (ButtonFor(IDCANCEL))
        return IDCANCEL;
    if (m_buttons.size() == 1 && m_buttons.front().second == IDOK)
        return IDOK;
    return 0;
}

void CWinMessageBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    if (const int result = EscapeResult()) {
        m_nResult = result;
        done(result);
    }
}

void CWinMessageBox::closeEvent(QCloseEvent* event)
{
    const int result = EscapeResult();
    if (!result) {
        event->ignore(); // Yes/No questions must be answered
        return;
    }
    m_nResult = result;
    QMessageBox::closeEvent(event);
}

int CQtModalHost::MessageBox(QWidget* pParent, const std::string& text, const std::string& caption,
                             UINT nType)
{
    CWinMessageBox box(pParent, text, caption, nType);
    box.exec();
    return box.Result() ? box.Result() : IDCANCEL;
}

int CQtModalHost::DoModal(CDialog& dialog)
{
    return dialog.RunModalLoop();
}

namespace {

// "*.jpg" -> "*.[jJ][pP][gG]": names match whatever their case, as on Windows.
QString CaseInsensitivePattern(const QString& pattern)
{
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}

} // namespace

QString QtNameFilter(const FilterPair& pair)
{
    QStringList patterns;
    for (const QString& pattern : ToQString(pair.second).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty())
            patterns << CaseInsensitivePattern(trimmed);
    }
    // Qt reads the patterns from the last parenthesised group and, with its details
    // hidden, shows what stands before it: the description exactly as written.
    return ToQString(pair.first) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

void PrepareQtFileDialog(QFileDialog& qtDialog, const CFileDialog& dialog)
{
    qtDialog.setAcceptMode(dialog.IsOpenDialog() ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    qtDialog.setFileMode(QFileDialog::AnyFile);
    qtDialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    qtDialog.setOption(QFileDialog::HideNameFilterDetails, true);
    QStringList filters;
    for (const FilterPair& pair : dialog.Filters())
        filters << QtNameFilter(pair);
    if (!filters.isEmpty())
        qtDialog.setNameFilters(filters);
    const QFileInfo initial(ToQString(dialog.m_strInitialDir));
    if (!dialog.m_strInitialDir.empty())
        qtDialog.setDirectory(initial.isDir() ? initial.absoluteFilePath() : initial.absolutePath());
    if (!dialog.InitialFileName().empty())
        qtDialog.selectFile(ToQString(dialog.InitialFileName()));
    if (!dialog.DefaultExtension().empty())
        qtDialog.setDefaultSuffix(ToQString(dialog.DefaultExtension()));
}

namespace {

// Qt's file dialog opens a folder that is confirmed; this one, asked to, takes it as the
// choice instead. A double click still opens the folder, as the view handles that itself.
class CFolderTooFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    bool m_bFolderToo = false;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (m_bFolderToo && chosen.size() == 1 && QFileInfo(chosen.constFirst()).isDir() &&
            QFileInfo(chosen.constFirst()) != QFileInfo(directory().absolutePath())) {
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

int CQtModalHost::FileDialog(CFileDialog& dialog)
{
    CFolderTooFileDialog qtDialog(dialog.Parent());
    PrepareQtFileDialog(qtDialog, dialog);
    if (dialog.GetFlags() & OFN_ALLOWMULTISELECT)
        qtDialog.setFileMode(QFileDialog::ExistingFiles);
    qtDialog.m_bFolderToo = (dialog.GetFlags() & OFN_EX_FOLDERTOO) != 0;
    if (qtDialog.exec() != QDialog::Accepted || qtDialog.selectedFiles().isEmpty())
        return IDCANCEL;
    std::vector<std::string> paths;
    for (const QString& path : qtDialog.selectedFiles())
        paths.push_back(FromQString(QDir::toNativeSeparators(path)));
    dialog.SetPathNames(paths);
    return IDOK;
}

int CQtModalHost::PrintDialog(QPrinter& printer, QWidget* pParent)
{
    QPrintDialog dialog(&printer, pParent);
    // One sheet, always all of it: no page range, selection or current page.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

int CQtModalHost::ChooseColor(COLORREF* pColor, QWidget* pParent)
{
    QColorDialog dialog(ToQColor(*pColor), pParent);
    if (dialog.exec() != QDialog::Accepted)
        return IDCANCEL;
    *pColor = FromQColor(dialog.selectedColor());
    return IDOK;
}
