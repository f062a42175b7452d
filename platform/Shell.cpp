#include "Shell.h"

#include "QtConvert.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

namespace {

// "http://...", "mailto:..." are addresses; anything else, a drive-less path included, is a file.
QUrl UrlFor(const QString& target)
{
    const QUrl url(target);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(target);
}

} // namespace

bool ShellOpen(const std::string& target, int)
{
    if (target.empty())
        return false;
    return QDesktopServices::openUrl(UrlFor(ToQString(target)));
}

std::string GetDesktopFolder()
{
    return FromQString(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

std::string GetProgramPath()
{
    return FromQString(QCoreApplication::applicationFilePath());
}

std::string GetProgramFolder()
{
    return FromQString(QCoreApplication::applicationDirPath());
}
