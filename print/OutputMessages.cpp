#include "OutputMessages.h"

#include <QFile>
#include <QFileInfo>

namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

bool IsFolder(const std::string& strPath)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(strPath))).isDir();
}

UserMessage SameEverywhere(const char* title, const std::string& text)
{
    return {title, text, text};
}

} // namespace

UserMessage CoverLoadMessage(const CoverLoadResult& result, const std::string& strPath)
{
    if (result.status == CoverLoadStatus::Loaded)
        return {};
    if (IsFolder(strPath))
        return SameEverywhere(kCoverFileErrorTitle, Quoted(strPath) + " is a folder, not a cover file.");
    switch (result.status) {
    case CoverLoadStatus::Missing:
        return SameEverywhere(kCoverFileErrorTitle, "The cover file " + Quoted(strPath) + " does not exist.");
    case CoverLoadStatus::NotACover:
        return {kInvalidCoverTitle, kInvalidCoverText, Quoted(strPath) + " is not a Sleevora cover file."};
    default:
        break;
    }
    const std::string text = result.strError.empty()
                                 ? "The cover file " + Quoted(strPath) + " could not be read."
                                 : result.strError;
    return SameEverywhere(kCoverFileErrorTitle, text);
}

UserMessage OutputWriteMessage(const std::string& strPath, const std::string& strReason)
{
    return SameEverywhere(kCoverFileErrorTitle,
                          Quoted(strPath) + " could not be written: " + strReason + ".");
}
