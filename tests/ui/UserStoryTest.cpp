// Whole stories as a person lives them, without a display: design a cover of each kind,
// save it, start over, load it back, print it to PDF and export it.
#include "ConfigFolder.h"
#include "CoverExport.h"
#include "CoverMainDlg.h"
#include "CoverSettings.h"
#include "CoverState.h"
#include "CoverTextDlg.h"
#include "FontDialog.h"
#include "HoverButton.h"
#include "Resources.h"
#include "ScriptedModalHost.h"
#include "TrackListDlg.h"
#include "TrackListing.h"
#include "resource.h"

#include <FreeImage.h>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The fields a cover file keeps, for comparing a cover before saving and after loading.
void ExpectSameSavedFields(const CoverState& a, const CoverState& b)
{
    EXPECT_EQ(a.covertype, b.covertype);
    EXPECT_EQ(a.fBGColor, b.fBGColor);
    EXPECT_EQ(a.bBGColor, b.bBGColor);
    EXPECT_EQ(a.fCoverText, b.fCoverText);
    EXPECT_EQ(a.bCoverText, b.bCoverText);
    EXPECT_EQ(a.fCoverTitle, b.fCoverTitle);
    EXPECT_EQ(a.bCoverTitle, b.bCoverTitle);
    EXPECT_EQ(a.fCoverTextColor, b.fCoverTextColor);
    EXPECT_EQ(a.bCoverTextColor, b.bCoverTextColor);
    EXPECT_EQ(a.bCoverTextFont.lfHeight, b.bCoverTextFont.lfHeight);
    EXPECT_EQ(a.bCoverTextFont.lfWeight, b.bCoverTextFont.lfWeight);
    EXPECT_STREQ(a.bCoverTextFont.lfFaceName, b.bCoverTextFont.lfFaceName);
    EXPECT_EQ(a.bBackPrintOverSpines, b.bBackPrintOverSpines);
    EXPECT_EQ(a.frontCoverSpineText, b.frontCoverSpineText);
    EXPECT_EQ(a.backCoverSpineText, b.backCoverSpineText);
    EXPECT_EQ(a.fImagePath.empty(), b.fImagePath.empty());
    EXPECT_EQ(a.bImagePath.empty(), b.bImagePath.empty());
}

class UserStory : public testing::TestWithParam<CoverType>
{
protected:
    void SetUp() override
    {
        InitProgramResources();
        FreeImage_Initialise(FALSE);
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(QColor(30, 120, 60));
        ASSERT_TRUE(picture.save(QPath("forest.png")));
    }
    void TearDown() override { FreeImage_DeInitialise(); }

    std::string Path(const char* name) const { return folder.filePath(QLatin1String(name)).toStdString(); }
    QString QPath(const char* name) const { return folder.filePath(QLatin1String(name)); }

    // One run of the window as the start-up loop makes it; `user` plays the user's part.
    int RunWindow(const std::function<int(CCoverMainDlg&)>& user)
    {
        host.AnswerDialog([&](CDialog&) {
            window.show();
            QApplication::processEvents();
            return user(window);
        });
        return window.DoModal();
    }

    // Dresses the cover through the window's own commands.
    void DesignCover(CCoverMainDlg& main, CoverType type)
    {
        host.AnswerFileDialog(Path("forest.png"));
        main.OnChooseImage();
        host.AnswerColorDialog(RGB(240, 230, 200));
        if (type == StandardCD)
            host.AnswerMessageBox(IDYES);
        main.OnChooseColor();
        host.AnswerDialog([](CDialog& dialog) {
            auto& font = dynamic_cast<CFontDialog&>(dialog);
            font.StyleList()->setCurrentRow(2);
            font.OnOK();
            return font.result();
        });
        main.OnChooseFont();
        if (type == StandardDVD || type == SlimlineDVD) {
            host.AnswerDialog([](CDialog& dialog) {
                auto& texts = dynamic_cast<CCoverTextDlg&>(dialog);
                texts.m_strFrontTitle = "HIGH COUNTRY";
                texts.m_strBackText = "Three ranges.\r\nOne year.";
                texts.m_strSpine = "HIGH COUNTRY";
                return IDOK;
            });
        } else {
            host.AnswerDialog([](CDialog& dialog) {
                auto& listing = dynamic_cast<CTrackListDlg&>(dialog);
                listing.m_strListing = EncodeTrackListing({{"1.", "Harbour Lights", "3:41"}, {"2.", "Coda", "1:09"}});
                listing.m_strSpine = "HARBOUR LIGHTS";
                return IDOK;
            });
        }
        main.OnEditTexts();
    }

    CTemporaryConfigFolder config;
    QTemporaryDir folder;
    CScriptedModalHost host;
    CCoverMainDlg window;
};

} // namespace

TEST_P(UserStory, DesignSaveStartOverLoadPrintAndExport)
{
    const CoverType type = GetParam();
    CCoverSettings settings;
    settings.m_dwOption = static_cast<DWORD>(type);
    settings.SaveValues();

    CoverState designed;
    const int ended = RunWindow([&](CCoverMainDlg& main) {
        DesignCover(main, type);
        EXPECT_TRUE(TheCover().coverChanged);
        designed = TheCover();
        host.AnswerFileDialog(Path("mine"));
        QTest::mouseClick(main.Button(IDC_SAVE), Qt::LeftButton);
        EXPECT_FALSE(TheCover().coverChanged);
        QTest::mouseClick(main.Button(IDC_START_OVER), Qt::LeftButton);
        return main.result();
    });
    ASSERT_EQ(ended, IDOK); // Start Over went ahead: the cover was saved

    // A fresh window starts empty; loading brings the saved cover back.
    RunWindow([&](CCoverMainDlg& main) {
        EXPECT_TRUE(TheCover().bCoverText.empty());
        host.AnswerFileDialog(Path("mine.slv"));
        main.ChooseCoverFile();
        return main.result();
    });
    ASSERT_EQ(window.pendingLoadPath, Path("mine.slv"));
    RunWindow([&](CCoverMainDlg& main) {
        ExpectSameSavedFields(designed, TheCover());
        host.AnswerPrintDialog([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QPath("printed.pdf"));
        });
        QTest::mouseClick(main.Button(IDC_PRINT), Qt::LeftButton);
        return IDYES;
    });
    QFile printed(QPath("printed.pdf"));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.readAll().startsWith("%PDF"));

    ExportRequest request;
    request.strCoverPath = Path("mine.slv");
    request.strOutputPath = Path("exported.png");
    request.nDpi = 50;
    EXPECT_EQ(ExportCover(request), "");
    const QImage sheet(QPath("exported.png"));
    EXPECT_FALSE(sheet.isNull());
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfCase, UserStory,
                         testing::Values(StandardCD, SlimlineCD, StandardDVD, SlimlineDVD));
