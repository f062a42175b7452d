// The main window's Print command, with the print dialog answered by a script.
#include "ConfigFolder.h"
#include "CoverMainDlg.h"
#include "CoverSettings.h"
#include "PrinterAlignment.h"
#include "PrinterAlignmentDlg.h"
#include "Resources.h"
#include "ScriptedModalHost.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrintCommand : public testing::Test
{
protected:
    void Open(CoverType type)
    {
        InitProgramResources();
        CCoverSettings settings;
        settings.m_dwOption = static_cast<DWORD>(type);
        settings.SaveValues();
        host.AnswerDialog([](CDialog&) { return IDCANCEL; });
        window.DoModal();
    }
    QString Pdf() const { return folder.filePath(QStringLiteral("cover.pdf")); }

    CTemporaryConfigFolder config;
    QTemporaryDir folder;
    CScriptedModalHost host;
    CCoverMainDlg window;
};

} // namespace

TEST_F(PrintCommand, TheDialogStartsOnA4TurnedForTheCoverAndPrintsOnePage)
{
    Open(StandardDVD);
    QPageLayout::Orientation offered = QPageLayout::Portrait;
    host.AnswerPrintDialog([&](QPrinter& printer) {
        offered = printer.pageLayout().orientation();
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_EQ(printer.docName(), QStringLiteral("Cover"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Pdf());
    });
    window.OnPrint();
    EXPECT_EQ(offered, QPageLayout::Landscape);
    QFile pdf(Pdf());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST_F(PrintCommand, CdCoversStartUpright)
{
    Open(StandardCD);
    host.AnswerPrintDialog([](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/dev/null"));
    });
    window.OnPrint();
    EXPECT_EQ(host.PrintDialogsRun(), 1);
}

TEST_F(PrintCommand, CancellingPrintsNothingAndSaysNothing)
{
    Open(StandardCD);
    host.AnswerPrintDialog(nullptr);
    window.OnPrint();
    EXPECT_FALSE(QFile::exists(Pdf()));
    EXPECT_TRUE(host.Questions().empty());
}

TEST_F(PrintCommand, APaperTheCoverDoesNotFitIsRefusedAndNothingIsPrinted)
{
    Open(StandardDVD);
    host.AnswerPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Pdf());
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                          QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    });
    host.AnswerMessageBox(IDOK);
    window.OnPrint();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Error");
    EXPECT_NE(host.Questions()[0].text.find("It fits on A4 paper across"), std::string::npos);
    EXPECT_FALSE(QFile::exists(Pdf()));
}

// OK stores the four numbers, Cancel none; the test sheet goes through the print dialog.
TEST_F(PrintCommand, PrinterAlignmentStoresItsNumbersOnOkOnlyAndPrintsItsTestSheet)
{
    Open(StandardCD);
    host.AnswerDialog([&](CDialog& dialog) {
        auto& alignment = dynamic_cast<CPrinterAlignmentDlg&>(dialog);
        alignment.OffsetXBox()->setValue(1.5);
        alignment.ScaleYBox()->setValue(99.5);
        host.AnswerPrintDialog([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Pdf());
        });
        alignment.OnPrintTestSheet();
        alignment.OnCancel();
        return alignment.result();
    });
    window.OnPrinterAlignment();
    EXPECT_TRUE(QFile::exists(Pdf())); // the test sheet
    EXPECT_DOUBLE_EQ(CPrinterAlignment().OffsetXMm(), 0.0);

    host.AnswerDialog([](CDialog& dialog) {
        auto& alignment = dynamic_cast<CPrinterAlignmentDlg&>(dialog);
        EXPECT_DOUBLE_EQ(alignment.OffsetXBox()->value(), 0.0);
        alignment.OffsetXBox()->setValue(1.5);
        alignment.ScaleYBox()->setValue(99.5);
        alignment.OnOK();
        return alignment.result();
    });
    window.OnPrinterAlignment();
    EXPECT_DOUBLE_EQ(CPrinterAlignment().OffsetXMm(), 1.5);
    EXPECT_DOUBLE_EQ(CPrinterAlignment().ScaleY(), 0.995);
}

TEST_F(PrintCommand, APdfThatCannotBeWrittenIsReportedAndLeavesNothing)
{
    Open(StandardCD);
    const QString path = folder.filePath(QStringLiteral("no-such-folder/cover.pdf"));
    host.AnswerPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    });
    host.AnswerMessageBox(IDOK);
    window.OnPrint();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions().front().caption, "Error");
    EXPECT_NE(host.Questions().front().text.find("could not be written"), std::string::npos);
    EXPECT_FALSE(QFile::exists(path));
}
