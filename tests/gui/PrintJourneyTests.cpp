// Print in the running program, to a PDF file through the system's print dialog: the file
// has the cover's text as text and its photo as the photo's own JPEG bytes.
#include "CoverFile.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"
#include "resource.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString Output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(kWaitMs);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RealProgramPrint, APdfFromThePrintDialogHasRealTextAndTheOriginalPhoto)
{
    QTemporaryDir files;
    const QString photo = files.filePath(QStringLiteral("valley.jpg"));
    QImage picture(640, 400, QImage::Format_RGB32);
    picture.fill(QColor(70, 120, 190));
    ASSERT_TRUE(picture.save(photo, "JPG", 90));
    CoverState cover = NewCover(StandardDVD);
    cover.bImagePath = photo.toStdString();
    cover.bCoverTitle = "High Country";
    cover.fCoverTitle = "A Film In Three Seasons";
    const QString coverFile = files.filePath(QStringLiteral("high-country.slv"));
    ASSERT_TRUE(WriteCoverFile(coverFile.toStdString(), cover).bWritten);

    CSleevoraUser user({coverFile});
    user.SetKind(StandardDVD);
    ASSERT_TRUE(user.WaitForMainWindow());
    const QString pdf = files.filePath(QStringLiteral("printed.pdf"));
    user.Click(IDC_PRINT);
    // The dialog offers printing to a PDF file where no printer is set up; the file's name
    // is typed over the one it proposes.
    ASSERT_TRUE(user.Answer(QStringLiteral("Print"), {QStringLiteral("alt+f"), QStringLiteral("ctrl+a")}));
    TypeText(pdf);
    PressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Print")));
    ASSERT_TRUE(WaitUntil(
        [&] { return Output(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("Pages:")); }));

    const QString text = Output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("High Country"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("A Film In Three Seasons"))) << text.toStdString();
    const QString images = files.filePath(QStringLiteral("images"));
    QDir().mkpath(images);
    Output(QStringLiteral("pdfimages"), {QStringLiteral("-all"), pdf, images + QStringLiteral("/im")});
    EXPECT_EQ(Bytes(images + QStringLiteral("/im-000.jpg")), Bytes(photo));
    EXPECT_TRUE(user.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
}
