#include "PictureFolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <memory>
#include <signal.h>
#include <unistd.h>

namespace {

// Each folder's name carries its program's process number, so that a later run can tell
// whether its program still runs.
const QString kPrefix = QStringLiteral("sleevora-pictures-");

// In the user's runtime folder (private to the user, emptied at log out), else the cache
// folder.
QString BaseFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty() || !QDir().mkpath(base))
        base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(base);
    return base;
}

std::unique_ptr<QTemporaryDir>& Folder()
{
    static std::unique_ptr<QTemporaryDir> folder;
    return folder;
}

bool IsRunning(long long nProcessId)
{
    return nProcessId > 0 && (kill(static_cast<pid_t>(nProcessId), 0) == 0 || errno != ESRCH);
}

} // namespace

std::string ExtractedPictureFolder()
{
    // One folder for each running program, so that two windows never write over each
    // other's pictures.
    std::unique_ptr<QTemporaryDir>& folder = Folder();
    if (!folder)
        folder = std::make_unique<QTemporaryDir>(BaseFolder() + QLatin1Char('/') + kPrefix +
                                                 QString::number(getpid()) + QStringLiteral("-XXXXXX"));
    return folder->isValid() ? folder->path().toStdString() : std::string();
}

void RemoveExtractedPictureFolder()
{
    Folder().reset();
}

void RemoveFoldersOfEndedRuns()
{
    static const QRegularExpression name(QLatin1Char('^') + kPrefix + QStringLiteral("(\\d+)-.{6}$"));
    QDir base(BaseFolder());
    for (const QString& entry :
         base.entryList({kPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (match.hasMatch() && !IsRunning(match.captured(1).toLongLong()) &&
            match.captured(1) != QString::number(getpid()))
            QDir(base.filePath(entry)).removeRecursively();
    }
}
