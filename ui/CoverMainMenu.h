// The main window's keys and its menu: Save (Ctrl+S, to the cover's own file), Save As
// (Shift+Ctrl+S), Load (Ctrl+O), Print (Ctrl+P) and Exit (Ctrl+Q) work anywhere in the
// window; the menu opens with a right-click, the Menu key or Shift+F10 and lists them with
// their keys beside Recent Covers, Adjust Picture, Printer Alignment and About.
#pragma once

#include <QObject>
#include <QPoint>

class CCoverMainDlg;
class QAction;

class CCoverMainMenu : public QObject
{
public:
    explicit CCoverMainMenu(CCoverMainDlg& window);
    // Opens the menu at a point of the screen.
    void Popup(const QPoint& globalPos);
    // Opens it at the widget that has the keyboard, as the Menu key does.
    void PopupAtFocus();

private:
    QAction* AddCommand(const QString& strText, const QKeySequence& keys, void (CCoverMainDlg::*handler)());
    void AddRecentCovers(class QMenu& menu);

    CCoverMainDlg& m_window;
    QAction* m_pSave;
    QAction* m_pSaveAs;
    QAction* m_pLoad;
    QAction* m_pPrint;
    QAction* m_pExit;
};

// "NAME.slv – Sleevora" for a cover with a file of its own, "Sleevora" for a new one; a
// leading "*" while it has unsaved changes.
QString CoverWindowTitle(const QString& strCoverPath, bool bChanged);
