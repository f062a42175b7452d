// sleevora-export run as a user runs it, on the sample covers and on bad requests.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

struct ExportRun
{
    int exitCode;
    QString out;
    QString err;
};

ExportRun Export(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SLEEVORA_EXPORT), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Sample(const char* name)
{
    return QStringLiteral(SLEEVORA_SAMPLES "/") + QLatin1String(name);
}

// Lines the tool itself wrote: the picture library may add its own notes for some files.
QStringList OwnLines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("sleevora-export"));
}

class ExportTool : public testing::Test
{
protected:
    QString Out(const char* name) const { return folder.filePath(QLatin1String(name)); }
    QTemporaryDir folder;
};

} // namespace

namespace {

// The document's request that viewers print it at real size.
const QRegularExpression
    kRealSize(QStringLiteral("/ViewerPreferences\\s*<<\\s*/PrintScaling\\s*/None\\s*>>"));

} // namespace

TEST_F(ExportTool, PdfIsOneA4PageTurnedForTheKindOfCase)
{
    const std::pair<const char*, const char*> samples[] = {{"standard-cd.slv", "595(\\.0+)? 842(\\.0+)?"},
                                                           {"standard-dvd.slv", "842(\\.0+)? 595(\\.0+)?"}};
    for (const auto& [sample, mediaBox] : samples) {
        const ExportRun run = Export({Sample(sample), Out("cover.pdf")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile pdf(Out("cover.pdf"));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        const QString text = QString::fromLatin1(bytes);
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1) << sample;
        EXPECT_TRUE(text.contains(
            QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0 0 ") + QLatin1String(mediaBox))))
            << sample;
        EXPECT_TRUE(text.contains(kRealSize)) << sample; // viewers print it unscaled
    }
}

TEST_F(ExportTool, PngShowsTheSheetWithTheCoverAtItsPlace)
{
    const ExportRun run =
        Export({Sample("slimline-cd.slv"), Out("sheet.png"), QStringLiteral("--dpi"), QStringLiteral("100")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage sheet(Out("sheet.png"));
    ASSERT_EQ(sheet.size(), QSize(826, 1169)); // A4 (8.27 × 11.69 inches) at 100 dpi, upright
    // The PDF page's margin (10 points, 14 pixels at 100 dpi) plus the quarter inch.
    const int left = 14 + 25;
    const int top = 14 + 25;
    const int right = 14 + static_cast<int>(100 * 6.3917322772);
    EXPECT_EQ(sheet.pixelColor(left - 2, top + 200), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(right + 2, top + 200), QColor(Qt::white));
    EXPECT_NE(sheet.pixelColor(right - 20, top + 200), QColor(Qt::white)); // the picture on the panel
    EXPECT_EQ(sheet.pixelColor(right - 1, top + 200), QColor(Qt::black));  // the outline
}

TEST_F(ExportTool, BadRequestsSayWhyInOneLineAndWriteNothing)
{
    QFile notCover(Out("notes.slv"));
    ASSERT_TRUE(notCover.open(QIODevice::WriteOnly));
    notCover.write("just some text");
    notCover.close();
    const QStringList requests[] = {
        {Out("missing.slv"), Out("a.pdf")},
        {Out("notes.slv"), Out("a.pdf")},
        {Sample("standard-cd.slv"), Out("a.jpg")},
        {Sample("standard-cd.slv"), Out("no-such-folder/a.pdf")},
        {Sample("standard-cd.slv")},
    };
    for (const QStringList& request : requests) {
        const ExportRun run = Export(request);
        EXPECT_EQ(run.exitCode, 2) << request.join(' ').toStdString();
        EXPECT_EQ(OwnLines(run.err).size(), 1) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Out("a.pdf")));
        EXPECT_FALSE(QFileInfo::exists(Out("a.jpg")));
    }
    EXPECT_TRUE(OwnLines(Export({Out("notes.slv"), Out("a.pdf")}).err)
                    .first()
                    .contains(QStringLiteral("not a Sleevora cover")));
    EXPECT_TRUE(OwnLines(Export({Out("missing.slv"), Out("a.pdf")}).err)
                    .first()
                    .contains(QStringLiteral("does not exist")));
    EXPECT_TRUE(
        OwnLines(Export({folder.path(), Out("a.pdf")}).err).first().contains(QStringLiteral("a folder")));
}

// A number that is not one, or is out of range, is refused, never read as something else.
TEST_F(ExportTool, OptionValuesAreReadStrictly)
{
    const QString cover = Sample("standard-cd.slv");
    for (const QStringList& option : {QStringList{QStringLiteral("--bleed"), QStringLiteral("nan")},
                                      {QStringLiteral("--bleed"), QString()},
                                      {QStringLiteral("--bleed"), QStringLiteral("0x3")},
                                      {QStringLiteral("--bleed"), QStringLiteral("inf")},
                                      {QStringLiteral("--dpi"), QStringLiteral("4294967596")},
                                      {QStringLiteral("--dpi"), QStringLiteral("0x12c")},
                                      {QStringLiteral("--paper"), QStringLiteral("a5")},
                                      {QStringLiteral("--bleed")}}) {
        const ExportRun run = Export(QStringList{cover, Out("a.pdf")} + option);
        EXPECT_EQ(run.exitCode, 2) << option.join(' ').toStdString();
        EXPECT_EQ(OwnLines(run.err).size(), 1) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Out("a.pdf")));
    }
}

TEST_F(ExportTool, HelpExplainsTheCommand)
{
    const ExportRun run = Export({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Usage: sleevora-export COVER.slv")));
}

// The boxes of each page as pdfinfo reads them: left, bottom, right, top in points.
std::map<QString, QList<double>> PageBoxes(const QString& pdf, int page)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"),
               {QStringLiteral("-box"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), pdf});
    info.waitForFinished(30000);
    std::map<QString, QList<double>> boxes;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words.size() == 7 && words[2].endsWith(QLatin1String("Box:")))
            boxes[words[2].chopped(1)] = {words[3].toDouble(), words[4].toDouble(), words[5].toDouble(),
                                          words[6].toDouble()};
    }
    return boxes;
}

TEST_F(ExportTool, PrintShopPdfHasAPagePerPieceWithItsTrimAndBleedBoxes)
{
    const std::pair<const char*, std::vector<std::pair<double, double>>> covers[] = {
        {"standard-cd.slv", {{4.735, 4.735}, {5.925, 4.625}}}, {"standard-dvd.slv", {{10.72, 7.2}}}};
    for (const auto& [sample, pieces] : covers) {
        const ExportRun run =
            Export({Sample(sample), Out("shop.pdf"), QStringLiteral("--bleed"), QStringLiteral("3")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        for (size_t i = 0; i < pieces.size(); ++i) {
            const auto boxes = PageBoxes(Out("shop.pdf"), static_cast<int>(i + 1));
            const QList<double> trim = boxes.at(QStringLiteral("TrimBox"));
            const QList<double> bleed = boxes.at(QStringLiteral("BleedBox"));
            const QList<double> media = boxes.at(QStringLiteral("MediaBox"));
            EXPECT_NEAR(trim[2] - trim[0], pieces[i].first * 72, 0.02) << sample << " page " << i + 1;
            EXPECT_NEAR(trim[3] - trim[1], pieces[i].second * 72, 0.02) << sample << " page " << i + 1;
            const double bleedPoints = 3 / 25.4 * 72;
            for (int k = 0; k < 2; ++k) {
                EXPECT_NEAR(trim[k] - bleed[k], bleedPoints, 0.05);
                EXPECT_NEAR(bleed[k + 2] - trim[k + 2], bleedPoints, 0.05);
                EXPECT_GT(bleed[k] - media[k], 5 / 25.4 * 72); // room for the marks all round
                EXPECT_GT(media[k + 2] - bleed[k + 2], 5 / 25.4 * 72);
            }
        }
        EXPECT_TRUE(
            PageBoxes(Out("shop.pdf"), static_cast<int>(pieces.size()) + 1).empty()); // no further page
        QFile shop(Out("shop.pdf"));
        ASSERT_TRUE(shop.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromLatin1(shop.readAll()).contains(kRealSize)) << sample;
    }
    for (const QStringList& bad : {QStringList{Sample("standard-cd.slv"), Out("x.pdf"),
                                               QStringLiteral("--bleed"), QStringLiteral("7")},
                                   QStringList{Sample("standard-cd.slv"), Out("x.png"),
                                               QStringLiteral("--bleed"), QStringLiteral("3")}}) {
        const ExportRun run = Export(bad);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(OwnLines(run.err).size(), 1) << run.err.toStdString();
    }
}

TEST_F(ExportTool, PrintShopMarksPrintOnEveryPlate)
{
    const ExportRun run =
        Export({Sample("slimline-cd.slv"), Out("shop.pdf"), QStringLiteral("--bleed"), QStringLiteral("3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // The page as a press's four plates see it, one byte of ink each, at 50 dpi.
    QProcess gs;
    gs.start(QStringLiteral("gs"),
             {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
              QStringLiteral("-sDEVICE=bitcmyk"), QStringLiteral("-dGrayValues=256"), QStringLiteral("-r50"),
              QStringLiteral("-sOutputFile=") + Out("shop.cmyk"), Out("shop.pdf")});
    ASSERT_TRUE(gs.waitForFinished(60000));
    QFile plates(Out("shop.cmyk"));
    ASSERT_TRUE(plates.open(QIODevice::ReadOnly));
    const QByteArray ink = plates.readAll();
    const QList<double> media = PageBoxes(Out("shop.pdf"), 1).at(QStringLiteral("MediaBox"));
    const QList<double> bleed = PageBoxes(Out("shop.pdf"), 1).at(QStringLiteral("BleedBox"));
    const int width = qRound(media[2] * 50 / 72);
    ASSERT_EQ(ink.size() % (width * 4), 0);
    // Outside the bleed there are only marks: every inked pixel there has the same ink on
    // all four plates, the darkest of them full on each.
    int full = 0;
    for (int y = 0; y < ink.size() / (width * 4); ++y)
        for (int x = 0; x < qRound(bleed[0] * 50 / 72) - 1; ++x) {
            const uchar* pixel = reinterpret_cast<const uchar*>(ink.constData()) + (y * width + x) * 4;
            if (pixel[0] + pixel[1] + pixel[2] + pixel[3] == 0)
                continue;
            EXPECT_TRUE(pixel[0] == pixel[3] && pixel[1] == pixel[3] && pixel[2] == pixel[3])
                << x << "," << y;
            full += pixel[3] == 255;
        }
    EXPECT_GT(full, 10);
}

TEST_F(ExportTool, PaperOtherThanA4CentresTheSheet)
{
    const ExportRun run =
        Export({Sample("standard-dvd.slv"), Out("letter.png"), QStringLiteral("--dpi"), QStringLiteral("100"),
                QStringLiteral("--paper"), QStringLiteral("Letter")}); // a paper's name in any case
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage sheet(Out("letter.png"));
    ASSERT_EQ(sheet.size(), QSize(1100, 850)); // Letter across at 100 dpi
    // The insert (10.72 x 7.2 in) centred: its outline 14 and 65 pixels in from the edges.
    const int left = (1100 - 1072) / 2;
    const int top = (850 - 720) / 2;
    EXPECT_EQ(sheet.pixelColor(left, 400), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(left - 2, 400), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(550, top), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(550, top - 2), QColor(Qt::white));
}
