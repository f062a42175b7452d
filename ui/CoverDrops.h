// Files dropped on the main window: a cover anywhere on it opens as Load opens one (after the
// save prompt), a picture on the preview becomes the background of the side in view.
// Anything else is not taken. It watches the window's drag and drop events.
#pragma once

#include "CoverState.h"

#include <QObject>
#include <QPoint>
#include <string>
#include <utility>

class CCoverEditCommands;
class CCoverFileCommands;
class CCoverView;
class QMimeData;
class QWidget;

class CCoverDrops : public QObject
{
public:
    // Takes the drops on pWindow, which accepts drops from now on, for as long as this lives.
    CCoverDrops(QWidget* pWindow, const CoverState& cover, CCoverView& view, CCoverFileCommands& files,
                CCoverEditCommands& edits);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    enum class DroppedFile
    {
        None,
        Cover,
        Picture
    };
    // What a drag carries at a point of the window, and the file's path.
    DroppedFile KindOfDrop(const QMimeData* pData, const QPoint& at, std::string* pPath) const;
    // Opens or uses a dropped file of that kind.
    void Take(DroppedFile kind, const std::string& strPath);

    const CoverState& m_cover;
    CCoverView& m_view;
    CCoverFileCommands& m_files;
    CCoverEditCommands& m_edits;
    // The file a drag last carried, and whether it holds a cover.
    mutable std::pair<std::string, bool> m_dropChecked;
};
