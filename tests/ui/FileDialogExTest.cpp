#include "FileDialogEx.h"
#include "QtModalHost.h"
#include "ScriptedModalHost.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(FileDialogFilters, PictureFilterGivesItsSevenPairsAndNoEmptyOne)
{
    const std::vector<FilterPair> pairs = ParseFilterPairs(kPictureFilter);
    ASSERT_EQ(pairs.size(), 7u);
    EXPECT_EQ(pairs[0].first, "All (*.jpg; *.jpeg; *.gif; *.bmp; *.png; *.tif; *.tiff; *.ico)");
    EXPECT_EQ(pairs[0].second, "*.jpg; *.jpeg; *.gif; *.bmp; *.png; *.tif; *.tiff; *.ico");
    EXPECT_EQ(pairs[1].first, "JPEG Images(*.jpg; *.jpeg)");
    EXPECT_EQ(pairs[1].second, "*.jpg;*.jpeg");
    EXPECT_EQ(pairs[6].first, "Icon Images (*.ico)");
    EXPECT_EQ(pairs[6].second, "*.ico");
}

TEST(FileDialogFilters, CoverFileFilterEndingInADoubleBarGivesOnePair)
{
    const std::vector<FilterPair> pairs = ParseFilterPairs(kCoverFileFilter);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0], FilterPair("Sleevora File (*.slv)", "*.slv"));
}

TEST(FileDialogFilters, QtFilterShowsTheDescriptionAndMatchesAnyCase)
{
    QFileDialog qtDialog;
    CFileDialogEx dialog(TRUE, nullptr, nullptr, 0, kPictureFilter);
    PrepareQtFileDialog(qtDialog, dialog);
    ASSERT_EQ(qtDialog.nameFilters().size(), 7);
    EXPECT_TRUE(qtDialog.nameFilters()[1].startsWith(QStringLiteral("JPEG Images(*.jpg; *.jpeg) (")));
    EXPECT_TRUE(qtDialog.nameFilters()[1].contains(QStringLiteral("*.[jJ][pP][gG]")));
    EXPECT_TRUE(qtDialog.testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_TRUE(qtDialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(qtDialog.fileMode(), QFileDialog::AnyFile);
    EXPECT_EQ(qtDialog.acceptMode(), QFileDialog::AcceptOpen);
}

TEST(FileDialogThroughTheHost, ScriptedAnswersGiveTheResultCodesAndPath)
{
    CScriptedModalHost host;
    host.AnswerFileDialog("/home/user/Covers/mine.slv");
    host.AnswerFileDialog("");
    CFileDialogEx save(FALSE, nullptr, nullptr, 0, kCoverFileFilter);
    save.m_strInitialDir = "/home/user/Desktop";
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/home/user/Covers/mine.slv");
    EXPECT_EQ(save.GetFileName(), "mine.slv");
    EXPECT_EQ(save.GetFileExt(), "slv");
    CFileDialogEx open(TRUE, nullptr, nullptr, 0, kCoverFileFilter);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), "");
    ASSERT_EQ(host.FileDialogsRun().size(), 2u);
    EXPECT_FALSE(host.FileDialogsRun()[0].bOpen);
    EXPECT_EQ(host.FileDialogsRun()[0].initialDir, "/home/user/Desktop");
    EXPECT_TRUE(host.FileDialogsRun()[1].bOpen);
}

namespace {

// Types a name into the file dialog that is open now and confirms it.
void TypeIntoOpenFileDialog(const QString& name)
{
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText(name);
    QTest::keyClick(nameBox, Qt::Key_Return);
}

} // namespace

TEST(FileDialogThroughTheHost, RealDialogSavesUnderANewNameWithoutAsking)
{
    QTemporaryDir folder;
    QFile existing(folder.filePath(QStringLiteral("old.slv")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    CFileDialogEx save(FALSE, nullptr, nullptr, 0, kCoverFileFilter);
    save.m_strInitialDir = folder.path().toStdString();
    QTimer::singleShot(0, [] { TypeIntoOpenFileDialog(QStringLiteral("old.slv")); });
    // Overwriting is the program's own question, so the dialog just returns the name.
    EXPECT_EQ(CQtModalHost().FileDialog(save), IDOK);
    EXPECT_EQ(save.GetPathName(), folder.filePath(QStringLiteral("old.slv")).toStdString());

    CFileDialogEx open(TRUE, nullptr, nullptr, 0, kCoverFileFilter);
    open.m_strInitialDir = folder.path().toStdString();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    EXPECT_EQ(CQtModalHost().FileDialog(open), IDCANCEL);
}
