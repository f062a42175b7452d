#include "CoverDrops.h"

#include "CoverEditCommands.h"
#include "CoverFile.h"
#include "CoverFileCommands.h"
#include "CoverPicture.h"
#include "CoverView.h"

#include <QDropEvent>
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

CCoverDrops::CCoverDrops(QWidget* pWindow, const CoverState& cover, CCoverView& view,
                         CCoverFileCommands& files, CCoverEditCommands& edits)
    : m_cover(cover), m_view(view), m_files(files), m_edits(edits)
{
    pWindow->setAcceptDrops(true);
    pWindow->installEventFilter(this);
}

// A drag is taken while it carries a file the window takes where it is: a picture may be
// dragged in over the window and only then onto the preview. A drop is taken before it is
// opened, which may end the window.
bool CCoverDrops::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(pWatched, pEvent);
    auto* drop = static_cast<QDropEvent*>(pEvent);
    std::string path;
    const DroppedFile kind = KindOfDrop(drop->mimeData(), drop->position().toPoint(), &path);
    if (kind == DroppedFile::None) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        Take(kind, path);
    return true;
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
