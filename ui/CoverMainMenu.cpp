#include "CoverMainMenu.h"

#include "CoverMainDlg.h"
#include "resource.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

CCoverMainMenu::CCoverMainMenu(CCoverMainDlg& window) : QObject(&window), m_window(window)
{
    m_pSave =
        AddCommand(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &CCoverMainDlg::QuickSave);
    m_pSaveAs = AddCommand(QStringLiteral("Sa&ve As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                           &CCoverMainDlg::SaveCoverFile);
    m_pLoad = AddCommand(QStringLiteral("&Load..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                         &CCoverMainDlg::ChooseCoverFile);
    m_pPrint =
        AddCommand(QStringLiteral("Pri&nt..."), QKeySequence(Qt::CTRL | Qt::Key_P), &CCoverMainDlg::OnPrint);
    m_pExit =
        AddCommand(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &CCoverMainDlg::OnCancel);
    // Shift+F10 opens the menu as the Menu key does.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] { PopupAtFocus(); });
    m_window.addAction(menuKey);
}

// A command the window's keys reach wherever the focus is; the title follows what it did.
QAction* CCoverMainMenu::AddCommand(const QString& strText, const QKeySequence& keys,
                                    void (CCoverMainDlg::*handler)())
{
    auto* action = new QAction(strText, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    CCoverMainDlg* window = &m_window;
    connect(action, &QAction::triggered, window, [window, handler] {
        (window->*handler)();
        window->UpdateTitle();
    });
    m_window.addAction(action);
    return action;
}

void CCoverMainMenu::AddRecentCovers(QMenu& menu)
{
    QMenu* recent = menu.addMenu(QStringLiteral("&Recent Covers"));
    const std::vector<std::string> covers = m_window.RecentCovers();
    recent->setEnabled(!covers.empty());
    for (size_t i = 0; i < covers.size(); ++i) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(covers[i]));
        QAction* item = recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()),
                                          this, [this, cover = covers[i]] {
                                              m_window.OpenCoverAskingFirst(cover);
                                              m_window.UpdateTitle();
                                          });
        item->setToolTip(path);
    }
    recent->setToolTipsVisible(true);
}

void CCoverMainMenu::Popup(const QPoint& globalPos)
{
    QMenu menu(&m_window);
    menu.addActions({m_pSave, m_pSaveAs, m_pLoad});
    AddRecentCovers(menu);
    menu.addSeparator();
    menu.addAction(m_pPrint);
    menu.addAction(QStringLiteral("Print D&isc Label..."), this, [this] { m_window.OnPrintDiscLabel(); });
    QAction* adjust = menu.addAction(QStringLiteral("A&djust Picture..."), this, [this] {
        m_window.OnAdjustPicture();
        m_window.UpdateTitle();
    });
    adjust->setEnabled(m_window.CanAdjustPicture());
    menu.addAction(QStringLiteral("&Printer Alignment..."), this, [this] { m_window.OnPrinterAlignment(); });
    menu.addSeparator();
    menu.addAction(QStringLiteral("&About Sleevora..."), this,
                   [this] { m_window.OnSysCommand(IDM_ABOUTBOX); });
    menu.addAction(m_pExit);
    menu.exec(globalPos);
}

void CCoverMainMenu::PopupAtFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != &m_window)
        focus = &m_window;
    Popup(focus->mapToGlobal(focus->rect().center()));
}

QString CoverWindowTitle(const QString& strCoverPath, bool bChanged)
{
    const QString mark = bChanged ? QStringLiteral("*") : QString();
    if (strCoverPath.isEmpty())
        return mark + QStringLiteral("Sleevora");
    return mark + QFileInfo(strCoverPath).fileName() + QStringLiteral(" \u2013 Sleevora");
}
