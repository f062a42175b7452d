#include "CoverDrops.h"

#include "CoverEditCommands.h"
#include "CoverFile.h"
#include "CoverFileCommands.h"
#include "CoverPicture.h"
#include "CoverView.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// The one local file a drop carries, or nothing for several files, links or text.
std::string DroppedLocalFile(const QMimeData* pData)
{
    if (!pData || !pData->hasUrls() || pData->urls().size() != 1 || !pData->urls().constFirst().isLocalFile())
        return {};
    return QFile::encodeName(pData->urls().constFirst().toLocalFile()).toStdString();
}

} // namespace

CCoverDrops::CCoverDrops(const CoverState& cover, CCoverView& view, CCoverFileCommands& files,
                         CCoverEditCommands& edits)
    : m_cover(cover), m_view(view), m_files(files), m_edits(edits)
{
}

// A cover file may be dropped anywhere on the window; a picture only on the preview.
CCoverDrops::DroppedFile CCoverDrops::KindOfDrop(const QMimeData* pData, const QPoint& at,
                                                 std::string* pPath) const
{
    *pPath = DroppedLocalFile(pData);
    if (pPath->empty() || !QFileInfo(QFile::decodeName(QByteArray::fromStdString(*pPath))).isFile())
        return DroppedFile::None;
    // A drag moves over the window many times a second: the file is read once per drag.
    if (m_dropChecked.first != *pPath) {
        std::string bytes;
        m_dropChecked = {*pPath, ReadCoverFileBytes(*pPath, bytes).status == CoverLoadStatus::Loaded};
    }
    if (m_dropChecked.second)
        return DroppedFile::Cover;
    const QWidget* preview = m_view.VisiblePreview();
    if (preview && preview->isVisible() && preview->geometry().contains(at) && CanReadCoverPicture(*pPath))
        return DroppedFile::Picture;
    return DroppedFile::None;
}

void CCoverDrops::Take(DroppedFile kind, const std::string& strPath)
{
    switch (kind) {
    case DroppedFile::Cover:
        m_files.OpenCoverAskingFirst(strPath);
        break;
    case DroppedFile::Picture:
        m_edits.UsePictureFile(strPath);
        m_view.RedrawPreview();
        break;
    case DroppedFile::None:
        break;
    }
}
