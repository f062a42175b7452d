// The Print Disc Label dialog with the print dialog answered by a script: what it offers,
// what it refuses, what it prints and what it keeps for the next time.
#include "DiscLabelDlg.h"
#include "ConfigFolder.h"
#include "ScriptedModalHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DiscLabelDialog, SheetsRefuseBadNumbersPrintTheChosenLabelsAndAreKept)
{
    CTemporaryConfigFolder config;
    QTemporaryDir folder;
    CScriptedModalHost host;
    CoverState cover;
    cover.ResetToDefaults(96, StandardCD);
    cover.covertype = StandardCD;

    CDiscLabelDlg dialog(cover, std::string());
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Sheet().strId, "avery-l6015");
    EXPECT_TRUE(dialog.PositionBox(1)->isChecked() && dialog.PositionBox(2)->isChecked());
    EXPECT_FALSE(dialog.CutGuideBox()->isChecked());
    EXPECT_FALSE(dialog.OuterBox()->isEnabled()); // a bought sheet's numbers are its own

    // Custom is plain paper: the cut guide comes on, and a hub too large is refused.
    dialog.SheetBox()->setCurrentIndex(dialog.SheetBox()->count() - 1);
    EXPECT_TRUE(dialog.CutGuideBox()->isChecked());
    dialog.HubBox()->setValue(110);
    EXPECT_TRUE(dialog.Fault().contains(QStringLiteral("hub diameter"))) << dialog.Fault().toStdString();
    dialog.HubBox()->setValue(41);
    EXPECT_TRUE(dialog.Fault().isEmpty());

    // Herma 4093, the lower label only, printed to a PDF on A4.
    dialog.SheetBox()->setCurrentIndex(dialog.SheetBox()->findText(QStringLiteral("Herma 4093")));
    dialog.PositionBox(1)->setChecked(false);
    const QString pdf = folder.filePath(QStringLiteral("labels.pdf"));
    host.AnswerPrintDialog([&](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_EQ(printer.docName(), QStringLiteral("Disc label"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    dialog.OnOK();
    EXPECT_TRUE(QFile::exists(pdf));

    CDiscLabelDlg next(cover, std::string());
    next.OnInitDialog();
    EXPECT_EQ(next.Sheet().strId, "herma-4093");
    EXPECT_FALSE(next.PositionBox(1)->isChecked());
    EXPECT_TRUE(next.PositionBox(2)->isChecked());
    EXPECT_EQ(next.Sheet().centresMm.size(), 2u);
    next.SheetBox()->setCurrentIndex(next.SheetBox()->count() - 1);
    EXPECT_DOUBLE_EQ(next.HubBox()->value(), 41.0);                 // the custom sheet's numbers were kept
    next.SheetBox()->setCurrentIndex(next.SheetBox()->count() - 2); // a printable disc has one label
    EXPECT_FALSE(next.PositionBox(2)->isEnabled() || next.PositionBox(2)->isChecked());
    next.SheetBox()->setCurrentIndex(0);
    EXPECT_TRUE(next.PositionBox(2)->isChecked());
    next.PositionBox(2)->setChecked(false);
    EXPECT_FALSE(next.Fault().isEmpty()); // nothing to print
}
