// The main window's Print command, with the print dialog answered by a script.
#include "ConfigFolder.h"
#include "CoverMainDlg.h"
#include "CoverSettings.h"
#include "Resources.h"
#include "ScriptedModalHost.h"

#include <QApplication>
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
