// Whole stories as a person lives them, without a display: design a cover of each kind,
// save it, start over, load it back, print it to PDF and export it.
#include "ConfigFolder.h"
#include "CoverExport.h"
#include "CoverFields.h"
#include "CoverGeometry.h"
#include "CoverMainDlg.h"
#include "CoverPrint.h"
#include "CoverSettings.h"
#include "CoverState.h"
#include "CoverTextDlg.h"
#include "FitPictureDlg.h"
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
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The fields a cover file keeps, for comparing a cover before saving and after loading.
// Every field a cover file keeps reads back the same; the pictures come back as files of their own.
void ExpectSameSavedFields(const CoverState& a, const CoverState& b)
{
    EXPECT_TRUE(SameStoredFields(a, b));
    EXPECT_EQ(a.fImagePath.empty(), b.fImagePath.empty());
    EXPECT_EQ(a.bImagePath.empty(), b.bImagePath.empty());
}

// A PDF page as pdftoppm draws it, at a resolution, without smoothing.
QImage RasterisePdf(const QString& pdf, int nDpi)
{
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(nDpi), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), QStringLiteral("-aa"), QStringLiteral("no"),
                       QStringLiteral("-aaVector"), QStringLiteral("no"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

class UserStory : public testing::TestWithParam<CoverType>
{
protected:
    void SetUp() override
    {
        InitProgramResources();
        QImage picture(1800, 1350, QImage::Format_RGB32); // 4:3, sharp enough on every kind
        picture.fill(QColor(30, 120, 60));
        ASSERT_TRUE(picture.save(QPath("forest.png")));
    }

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
        host.AnswerDialog(CFitPictureDlg::kCrop); // no kind of case is 4:3: the middle is kept
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
                listing.m_strListing =
                    EncodeTrackListing({{"1.", "Harbour Lights", "3:41"}, {"2.", "Coda", "1:09"}});
                listing.m_strSpine = "HARBOUR LIGHTS";
                return IDOK;
            });
        }
        main.OnEditTexts();
    }

    // FreeImage outlives the window, whose preview may still be decoding a picture ahead.
    struct FreeImageLibrary
    {
        FreeImageLibrary() { FreeImage_Initialise(FALSE); }
        ~FreeImageLibrary() { FreeImage_DeInitialise(); }
    } freeImage;
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
    ASSERT_EQ(window.PendingLoadPath(), Path("mine.slv"));
    RunWindow([&](CCoverMainDlg& main) {
        ExpectSameSavedFields(designed, TheCover());
        host.AnswerPrintDialog([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QPath("printed.pdf"));
        });
        QTest::mouseClick(main.Button(IDC_PRINT), Qt::LeftButton);
        return IDYES;
    });
    // The Print command's page and the exported one are the same page, pixel for pixel.
    ExportRequest request;
    request.strCoverPath = Path("mine.slv");
    request.strOutputPath = Path("exported.pdf");
    ASSERT_EQ(ExportCover(request), "");
    const QImage printedPage = RasterisePdf(QPath("printed.pdf"), 300);
    ASSERT_FALSE(printedPage.isNull());
    EXPECT_EQ(printedPage, RasterisePdf(QPath("exported.pdf"), 300));

    // The exported picture of the sheet shows the cover where the layout puts it: the
    // photo inside the piece, paper around it, the outline on its edge.
    request.strOutputPath = Path("exported.png");
    request.nDpi = 50;
    ASSERT_EQ(ExportCover(request), "");
    const QImage sheet = QImage(QPath("exported.png")).convertToFormat(QImage::Format_RGB32);
    CoverGeometry geometry;
    geometry.SetForCoverType(type, 121, 119, 151, 118);
    const int margin = qRound(50 * 10.0 / 72.0);
    const CRect back = BackPieceRect(50, geometry);
    const QPoint middle(margin + (back.left + back.right) / 2, margin + back.bottom - 20);
    EXPECT_EQ(sheet.pixel(middle), qRgb(30, 120, 60)) << "the photo";
    EXPECT_EQ(sheet.pixel(margin + back.left - 2, middle.y()), qRgb(255, 255, 255)) << "paper outside";
    EXPECT_EQ(qGray(sheet.pixel(margin + back.left, middle.y())), 0) << "the outline";
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfCase, UserStory,
                         testing::Values(StandardCD, SlimlineCD, StandardDVD, SlimlineDVD));
