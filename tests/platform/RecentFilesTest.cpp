// The desktop's list of recently used files, written and read in a private data folder.
#include "RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RecentFileList : public testing::Test
{
protected:
    void SetUp() override
    {
        previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", previous); }

    std::string MakeFile(const QString& name) const
    {
        QFile file(files.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QFile::encodeName(file.fileName()).toStdString();
    }

    QTemporaryDir data;
    QTemporaryDir files;
    QByteArray previous;
};

} // namespace

TEST_F(RecentFileList, KeepsTheNewestCoversThatStillExistNewestFirst)
{
    std::vector<std::string> covers;
    for (int i = 0; i < 10; ++i) {
        covers.push_back(MakeFile(QStringLiteral("cover %1.slv").arg(i)));
        ASSERT_TRUE(AddRecentFile(covers.back(), "application/x-sleevora-cover"));
    }
    ASSERT_TRUE(AddRecentFile(MakeFile(QStringLiteral("photo.png")), "image/png")); // another type
    ASSERT_TRUE(AddRecentFile(covers[3], "application/x-sleevora-cover"));          // used again: newest
    QFile::remove(QString::fromStdString(covers[8]));                               // gone since

    const std::vector<std::string> expected = {covers[3], covers[9], covers[7], covers[6],
                                               covers[5], covers[4], covers[2], covers[1]};
    EXPECT_EQ(RecentFiles("application/x-sleevora-cover", 8), expected);
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("recently-used.xbel"))));
}

TEST_F(RecentFileList, AnEmptyOrBrokenListHasNoFiles)
{
    EXPECT_TRUE(RecentFiles("application/x-sleevora-cover", 8).empty());
    QFile broken(data.filePath(QStringLiteral("recently-used.xbel")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<xbel><bookmark href=");
    broken.close();
    EXPECT_TRUE(RecentFiles("application/x-sleevora-cover", 8).empty());
}
