// Everything a cover becomes, held to what it was: every sample cover and a cover of every
// kind with and without pictures, exported to PNG at 150, 300 and 600 dpi, to the A4 PDF and
// the print-shop PDF (both rasterised at 300 dpi by Poppler), and shown in the main window.
// Each picture's pixels are hashed and compared with the hashes recorded in
// output-hashes.txt beside this file. A change to the code that is meant to leave the
// outputs alone must leave every hash as it is; a change meant to alter them records the
// new hashes with SLEEVORA_RECORD_OUTPUT_HASHES=1 and says why in its commit.
#include "ConfigFolder.h"
#include "CoverFile.h"
#include "CoverMainDlg.h"
#include "CoverState.h"
#include "HoverButton.h"
#include "Resources.h"
#include "ScriptedModalHost.h"
#include "TrackListing.h"
#include "resource.h"

#include <FreeImage.h>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString kHashFile = QStringLiteral(SLEEVORA_GUARD_HASHES);

// The pixels of a picture, whatever file format carried them.
QString PixelHash(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(rgb.width()) + 'x' + QByteArray::number(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return QString::fromLatin1(hash.result().toHex());
}

std::map<QString, QString> ReadHashes()
{
    std::map<QString, QString> hashes;
    QFile file(kHashFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
            if (fields.size() == 2)
                hashes[QString::fromLatin1(fields[0])] = QString::fromLatin1(fields[1]);
        }
    return hashes;
}

bool Recording()
{
    return qEnvironmentVariableIntValue("SLEEVORA_RECORD_OUTPUT_HASHES") == 1;
}

// The hashes seen in this run; written out when recording.
std::map<QString, QString>& Seen()
{
    static std::map<QString, QString> seen;
    return seen;
}

void WriteHashes()
{
    std::map<QString, QString> all = ReadHashes();
    for (const auto& [name, hash] : Seen())
        all[name] = hash;
    QFile file(kHashFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
    for (const auto& [name, hash] : all)
        file.write((name + QLatin1Char(' ') + hash + QLatin1Char('\n')).toLatin1());
}

void ExpectUnchanged(const QString& name, const QImage& picture)
{
    ASSERT_FALSE(picture.isNull()) << name.toStdString();
    const QString hash = PixelHash(picture);
    Seen()[name] = hash;
    if (Recording())
        return;
    static const std::map<QString, QString> recorded = ReadHashes();
    const auto found = recorded.find(name);
    ASSERT_NE(found, recorded.end()) << name.toStdString() << " has no recorded hash";
    EXPECT_EQ(found->second, hash) << name.toStdString() << " is no longer drawn as it was";
}

// A picture of our own with detail everywhere, so that any shift or scaling shows.
QImage TestPicture(int nWidth, int nHeight)
{
    QImage picture(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            picture.setPixel(x, y,
                             qRgb((x * 255) / nWidth, (y * 255) / nHeight, ((x / 16 + y / 16) % 2) * 200));
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::white, 6));
    painter.drawEllipse(QRect(nWidth / 4, nHeight / 4, nWidth / 2, nHeight / 2));
    return picture;
}

const CoverType kKinds[] = {StandardCD, StandardDVD, SlimlineCD, SlimlineDVD};

QString KindName(CoverType type)
{
    switch (type) {
    case StandardCD:
        return QStringLiteral("cd");
    case StandardDVD:
        return QStringLiteral("dvd");
    case SlimlineCD:
        return QStringLiteral("slimcd");
    default:
        return QStringLiteral("slimdvd");
    }
}

class OutputGuard : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        InitProgramResources();
        FreeImage_Initialise(FALSE);
        QImageReader::setAllocationLimit(1024); // a sheet at 600 dpi is 140 MB of pixels
    }
    static void TearDownTestSuite()
    {
        if (Recording())
            WriteHashes();
        FreeImage_DeInitialise();
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    // A cover of the kind as the print tests make them: a listing or texts, a title, spine
    // text, a bold blue font on light yellow; with a JPEG picture stretched over the
    // spines, a PNG picture between them, or none.
    QString MakeCover(CoverType type, const QString& picture)
    {
        CoverState cover;
        cover.ResetToDefaults(96, type);
        cover.covertype = type;
        cover.fBGColor = RGB(250, 240, 190);
        cover.bBGColor = RGB(190, 230, 250);
        cover.fCoverTextColor = cover.bCoverTextColor = RGB(0, 0, 255);
        cover.bCoverTextFont.lfWeight = FW_BOLD;
        cover.frontCoverSpineText = "Front spine";
        cover.backCoverSpineText = "Harbour Lights and other songs";
        const std::string listing = EncodeTrackListing(
            {{"1.", "Harbour Lights", "3:41"}, {"2.", "Coda & Reprise", "1:09"}, {"10.", "Tide", "12:00"}});
        cover.fCoverText = cover.bCoverText = listing;
        cover.fCoverTitle = "Front title";
        cover.bCoverTitle = "Back title";
        if (type == StandardDVD || type == SlimlineDVD) {
            cover.bCoverText = "Back notes\nsecond line";
            cover.fCoverText = "Front notes";
        }
        if (!picture.isEmpty()) {
            const QString file = Path(QStringLiteral("picture.") + picture);
            TestPicture(640, 480).save(file, picture == QLatin1String("jpg") ? "JPG" : "PNG", 90);
            cover.fImagePath = cover.bImagePath = file.toStdString();
            const bool extend = picture == QLatin1String("jpg");
            cover.bFrontPrintOverSpines = cover.bBackPrintOverSpines = extend;
        }
        const QString path = Path(KindName(type) + QLatin1Char('-') +
                                  (picture.isEmpty() ? "plain" : picture) + QStringLiteral(".slv"));
        EXPECT_TRUE(WriteCoverFile(path.toStdString(), cover).bWritten);
        return path;
    }

    bool Export(const QString& cover, const QString& output, const QStringList& options = {})
    {
        QProcess process;
        process.start(QStringLiteral(SLEEVORA_EXPORT), QStringList{cover, output} + options);
        return process.waitForFinished(300000) && process.exitCode() == 0;
    }

    // The pages of a PDF as Poppler draws them at 300 dpi.
    QList<QImage> Rasterised(const QString& pdf)
    {
        const QString prefix = pdf + QStringLiteral("-page");
        QProcess process;
        process.start(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), pdf, prefix});
        EXPECT_TRUE(process.waitForFinished(300000) && process.exitCode() == 0) << pdf.toStdString();
        QList<QImage> pages;
        QDir dir(folder.path());
        for (const QString& name : dir.entryList({QFileInfo(prefix).fileName() + QStringLiteral("-*.png")},
                                                 QDir::Files, QDir::Name))
            pages.append(QImage(dir.filePath(name)));
        return pages;
    }

    // Every file output of one cover, named after it.
    void ExpectOutputsUnchanged(const QString& cover, const QString& name)
    {
        for (const int dpi : {150, 300, 600}) {
            const QString png = Path(name + QStringLiteral(".png"));
            ASSERT_TRUE(Export(cover, png, {QStringLiteral("--dpi"), QString::number(dpi)}))
                << name.toStdString();
            ExpectUnchanged(name + QStringLiteral("-png") + QString::number(dpi), QImage(png));
        }
        const QString pdf = Path(name + QStringLiteral(".pdf"));
        ASSERT_TRUE(Export(cover, pdf));
        const QList<QImage> sheet = Rasterised(pdf);
        ASSERT_EQ(sheet.size(), 1);
        ExpectUnchanged(name + QStringLiteral("-pdf"), sheet.first());
        const QString shop = Path(name + QStringLiteral("-shop.pdf"));
        ASSERT_TRUE(Export(cover, shop, {QStringLiteral("--bleed"), QStringLiteral("3")}));
        const QList<QImage> pages = Rasterised(shop);
        ASSERT_FALSE(pages.isEmpty());
        for (int i = 0; i < pages.size(); ++i)
            ExpectUnchanged(name + QStringLiteral("-shop") + QString::number(i + 1), pages[i]);
    }

    // The main window with the cover open, as Load leaves it, and for a standard CD its front too.
    void ExpectPreviewsUnchanged(const QString& cover, const QString& name)
    {
        CTemporaryConfigFolder config;
        CScriptedModalHost host;
        CCoverMainDlg window;
        window.SetPendingLoadPath(cover.toStdString());
        host.AnswerDialog([&](CDialog&) {
            ExpectUnchanged(name + QStringLiteral("-window"), Shot(window));
            if (TheCover().covertype == StandardCD) {
                QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton);
                ExpectUnchanged(name + QStringLiteral("-window-front"), Shot(window));
            }
            return IDYES;
        });
        window.DoModal();
    }

    static QImage Shot(QWidget& window)
    {
        window.show();
        QApplication::processEvents();
        window.repaint();
        QApplication::processEvents();
        return window.grab().toImage();
    }

    QTemporaryDir folder;
};

TEST_F(OutputGuard, SampleCoversAreDrawnAsBefore)
{
    for (const char* sample : {"standard-cd", "standard-dvd", "slimline-cd", "slimline-dvd"}) {
        const QString cover =
            QStringLiteral(SLEEVORA_SAMPLES "/") + QLatin1String(sample) + QStringLiteral(".slv");
        ExpectOutputsUnchanged(cover, QLatin1String(sample));
        ExpectPreviewsUnchanged(cover, QLatin1String(sample));
    }
}

TEST_F(OutputGuard, CoversWithoutPicturesAreDrawnAsBefore)
{
    for (const CoverType type : kKinds) {
        const QString cover = MakeCover(type, QString());
        ExpectOutputsUnchanged(cover, KindName(type) + QStringLiteral("-plain"));
        ExpectPreviewsUnchanged(cover, KindName(type) + QStringLiteral("-plain"));
    }
}

TEST_F(OutputGuard, CoversWithJpegPicturesAreDrawnAsBefore)
{
    for (const CoverType type : kKinds) {
        const QString cover = MakeCover(type, QStringLiteral("jpg"));
        ExpectOutputsUnchanged(cover, KindName(type) + QStringLiteral("-jpg"));
        ExpectPreviewsUnchanged(cover, KindName(type) + QStringLiteral("-jpg"));
    }
}

TEST_F(OutputGuard, CoversWithPngPicturesAreDrawnAsBefore)
{
    for (const CoverType type : kKinds) {
        const QString cover = MakeCover(type, QStringLiteral("png"));
        ExpectOutputsUnchanged(cover, KindName(type) + QStringLiteral("-png"));
        ExpectPreviewsUnchanged(cover, KindName(type) + QStringLiteral("-png"));
    }
}

} // namespace
