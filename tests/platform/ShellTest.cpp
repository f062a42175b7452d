#include "Shell.h"
#include "WinTypes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's default application and remembers what it was asked to open.
class CUrlCatcher : public QObject
{
    Q_OBJECT

public:
    CUrlCatcher()
    {
        for (const char* scheme : {"file", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~CUrlCatcher() override
    {
        for (const char* scheme : {"file", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

} // namespace

TEST(Shell, OpensFilesAndWebAddressesWithTheDesktop)
{
    CUrlCatcher desktop;
    EXPECT_TRUE(ShellOpen("/opt/sleevora/help.chm", SW_SHOWMAXIMIZED));
    EXPECT_TRUE(ShellOpen("https://example.org/sleevora", SW_SHOWDEFAULT));
    EXPECT_TRUE(ShellOpen("mailto:support@example.org", SW_SHOWDEFAULT));
    ASSERT_EQ(desktop.opened.size(), 3);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(QStringLiteral("/opt/sleevora/help.chm")));
    EXPECT_EQ(desktop.opened[1], QUrl(QStringLiteral("https://example.org/sleevora")));
    EXPECT_EQ(desktop.opened[2].scheme(), QStringLiteral("mailto"));
    EXPECT_FALSE(ShellOpen("", SW_SHOWDEFAULT));
}

TEST(Shell, ProgramFolderHoldsTheProgramFile)
{
    const QFileInfo program(QString::fromStdString(GetProgramPath()));
    EXPECT_TRUE(program.isFile());
    EXPECT_EQ(program.absolutePath().toStdString(), GetProgramFolder());
    EXPECT_FALSE(GetDesktopFolder().empty());
}

#include "ShellTest.moc"
