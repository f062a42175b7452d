// Opening covers the ways a desktop offers besides Load: the recently used covers on the
// window's menu, and files dropped on the window (a cover anywhere, a picture on the
// preview).
#include "CoverMainDlg.h"

#include "CoverFile.h"
#include "CoverPicture.h"
#include "DVDCoverButton.h"
#include "FlatButton.h"
#include "PrinterAlignmentDlg.h"
#include "RecentFiles.h"
#include "SlimlineCoverButton.h"
#include "resource.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

const char* const kCoverMimeType = "application/x-sleevora-cover";

namespace {

constexpr size_t kRecentCoverCount = 8;

// The one local file a drop carries, or nothing for several files, links or text.
std::string DroppedLocalFile(const QMimeData* pData)
{
    if (!pData || !pData->hasUrls() || pData->urls().size() != 1 || !pData->urls().constFirst().isLocalFile())
        return {};
    return QFile::encodeName(pData->urls().constFirst().toLocalFile()).toStdString();
}

} // namespace

std::vector<std::string> CCoverMainDlg::RecentCovers() const
{
    return RecentFiles(kCoverMimeType, kRecentCoverCount);
}

// The desktops here have no system menu to extend; the About item is on the window's own
// context menu instead, with the covers used last.
void CCoverMainDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QMenu* recent = menu.addMenu(QStringLiteral("&Recent Covers"));
    const std::vector<std::string> covers = RecentCovers();
    recent->setEnabled(!covers.empty());
    for (size_t i = 0; i < covers.size(); ++i) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(covers[i]));
        QAction* item = recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()),
                                          this, [this, cover = covers[i]] { OpenCoverAskingFirst(cover); });
        item->setToolTip(path);
    }
    recent->setToolTipsVisible(true);
    menu.addAction(QStringLiteral("&Printer Alignment..."), this, [this] { OnPrinterAlignment(); });
    menu.addSeparator();
    menu.addAction(QStringLiteral("&About Sleevora..."), this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    menu.exec(event->globalPos());
}

void CCoverMainDlg::OnPrinterAlignment()
{
    CPrinterAlignmentDlg alignment(this);
    alignment.DoModal();
}

QWidget* CCoverMainDlg::VisiblePreview() const
{
    for (QWidget* preview : std::initializer_list<QWidget*>{m_pCdFront, m_pCdBack, m_pDvd, m_pSlimline})
        if (preview->isVisible())
            return preview;
    return nullptr;
}

// A cover file may be dropped anywhere on the window; a picture only on the preview, where
// it becomes the background of the side in view. Anything else is not taken.
CCoverMainDlg::DroppedFile CCoverMainDlg::KindOfDrop(const QMimeData* pData, const QPoint& at,
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
    const QWidget* preview = VisiblePreview();
    if (TheCover().covertype != CustomSize && preview && preview->geometry().contains(at) &&
        CanReadCoverPicture(*pPath))
        return DroppedFile::Picture;
    return DroppedFile::None;
}

void CCoverMainDlg::dragEnterEvent(QDragEnterEvent* event)
{
    std::string path;
    if (KindOfDrop(event->mimeData(), event->position().toPoint(), &path) != DroppedFile::None)
        event->acceptProposedAction();
}

// A picture may be dragged in over the window and only then onto the preview.
void CCoverMainDlg::dragMoveEvent(QDragMoveEvent* event)
{
    std::string path;
    if (KindOfDrop(event->mimeData(), event->position().toPoint(), &path) != DroppedFile::None)
        event->acceptProposedAction();
    else
        event->ignore();
}

void CCoverMainDlg::dropEvent(QDropEvent* event)
{
    std::string path;
    switch (KindOfDrop(event->mimeData(), event->position().toPoint(), &path)) {
    case DroppedFile::Cover:
        event->acceptProposedAction();
        OpenCoverAskingFirst(path);
        break;
    case DroppedFile::Picture:
        event->acceptProposedAction();
        UsePictureFile(path);
        RedrawPreview();
        break;
    case DroppedFile::None:
        event->ignore();
        break;
    }
}
