#include "RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <glib.h>

namespace {

const char* const kApplicationName = "Sleevora";
const char* const kApplicationExec = "'sleevora' %f";

std::string ListPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFile::encodeName(folder + QStringLiteral("/recently-used.xbel")).toStdString();
}

// The list as it stands, or an empty one when there is none yet or it cannot be read.
GBookmarkFile* LoadList()
{
    GBookmarkFile* list = g_bookmark_file_new();
    g_bookmark_file_load_from_file(list, ListPath().c_str(), nullptr);
    return list;
}

struct Entry
{
    std::string strPath;
    gint64 nModified;
};

} // namespace

bool AddRecentFile(const std::string& strPath, const std::string& strMimeType)
{
    const QString absolute =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(strPath))).absoluteFilePath();
    const std::string uri = QUrl::fromLocalFile(absolute).toEncoded().toStdString();
    GBookmarkFile* list = LoadList();
    g_bookmark_file_set_mime_type(list, uri.c_str(), strMimeType.c_str());
    GDateTime* now = g_date_time_new_now_utc();
    g_bookmark_file_set_modified_date_time(list, uri.c_str(), now);
    g_bookmark_file_set_visited_date_time(list, uri.c_str(), now);
    g_bookmark_file_set_application_info(list, uri.c_str(), kApplicationName, kApplicationExec, -1, now,
                                         nullptr);
    g_date_time_unref(now);
    QDir().mkpath(QFileInfo(QString::fromStdString(ListPath())).absolutePath());
    const gboolean written = g_bookmark_file_to_file(list, ListPath().c_str(), nullptr);
    g_bookmark_file_free(list);
    return written;
}

std::vector<std::string> RecentFiles(const std::string& strMimeType, size_t nCount)
{
    GBookmarkFile* list = LoadList();
    std::vector<Entry> entries;
    gsize length = 0;
    gchar** uris = g_bookmark_file_get_uris(list, &length);
    for (gsize i = 0; i < length; ++i) {
        gchar* mime = g_bookmark_file_get_mime_type(list, uris[i], nullptr);
        const bool wanted = mime && strMimeType == mime &&
                            g_bookmark_file_has_application(list, uris[i], kApplicationName, nullptr);
        g_free(mime);
        const QString path = QUrl::fromEncoded(QByteArray(uris[i])).toLocalFile();
        if (!wanted || path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        GDateTime* modified = g_bookmark_file_get_modified_date_time(list, uris[i], nullptr);
        const gint64 stamp =
            modified ? g_date_time_to_unix(modified) * 1000000 + g_date_time_get_microsecond(modified) : 0;
        entries.push_back({QFile::encodeName(path).toStdString(), stamp});
    }
    g_strfreev(uris);
    g_bookmark_file_free(list);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.nModified > b.nModified; });
    std::vector<std::string> paths;
    for (size_t i = 0; i < entries.size() && i < nCount; ++i)
        paths.push_back(entries[i].strPath);
    return paths;
}
