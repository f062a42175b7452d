#include "SleevoraUser.h"

#include "ProgramScreens.h"
#include "resource.h"

#include <QThread>

namespace {

// "Sleevora", "NAME.slv – Sleevora", either with a leading "*" for unsaved changes.
const QString kMainTitle = QStringLiteral("^\\*?(.+ \u2013 )?Sleevora$");
const QString kNewCoverTitle = QStringLiteral("Create A New Cover");

// The kinds in the order the New Cover window lists them, top to bottom.
int ListPosition(CoverType kind)
{
    switch (kind) {
    case SlimlineCD:
        return 1;
    case StandardDVD:
        return 2;
    case SlimlineDVD:
        return 3;
    default:
        return 0;
    }
}

QRect Scaled(const QRect& place, double dScale)
{
    return QRect(qRound(place.x() * dScale), qRound(place.y() * dScale), qRound(place.width() * dScale),
                 qRound(place.height() * dScale));
}

} // namespace

CSleevoraUser::CSleevoraUser(const QStringList& arguments, const QString& strRuntimeFolder, double dScale)
    : m_program(arguments, strRuntimeFolder, dScale), m_dScale(dScale)
{
}

QRect CSleevoraUser::MainWindow()
{
    return FindWindowMatching(kMainTitle, m_program.ProcessId()).place;
}

testing::AssertionResult CSleevoraUser::ChooseNewCover(CoverType kind)
{
    if (WaitForKeyboard(kNewCoverTitle).isEmpty())
        return testing::AssertionFailure() << "the New Cover window did not appear";
    QStringList keys{QStringLiteral("Tab")};
    const int steps = (ListPosition(kind) - ListPosition(m_storedKind) + 4) % 4;
    for (int i = 0; i < steps; ++i)
        keys << QStringLiteral("Down");
    keys << QStringLiteral("Return");
    PressKeys(keys);
    if (!WaitForWindowToClose(kNewCoverTitle))
        return testing::AssertionFailure() << "the New Cover window did not close";
    m_kind = m_storedKind = kind;
    return WaitForMainWindow();
}

testing::AssertionResult CSleevoraUser::WaitForMainWindow()
{
    if (!WaitUntil([this] { return !MainWindow().isEmpty(); }))
        return testing::AssertionFailure() << "the main window did not appear";
    return testing::AssertionSuccess();
}

void CSleevoraUser::Click(int nId)
{
    ClickAt(MainWindow().topLeft() + Scaled(MainWindowControl(m_kind, nId), m_dScale).center());
}

testing::AssertionResult CSleevoraUser::ClickInDialog(const QString& strTitle,
                                                      const DialogTemplate& dialogTemplate, int nId)
{
    const QRect dialog = WaitForWindow(strTitle);
    if (dialog.isEmpty())
        return testing::AssertionFailure() << "\"" << strTitle.toStdString() << "\" did not appear";
    ClickAt(dialog.topLeft() + TemplateControl(dialogTemplate, nId).center());
    return testing::AssertionSuccess();
}

testing::AssertionResult CSleevoraUser::Answer(const QString& strTitle, const QStringList& keys)
{
    if (WaitForKeyboard(strTitle).isEmpty())
        return testing::AssertionFailure() << "\"" << strTitle.toStdString() << "\" did not appear";
    PressKeys(keys);
    return testing::AssertionSuccess();
}

testing::AssertionResult CSleevoraUser::ChooseFile(const QString& strTitle, const QString& strPath)
{
    if (WaitForKeyboard(strTitle).isEmpty())
        return testing::AssertionFailure()
               << "the file dialog \"" << strTitle.toStdString() << "\" did not appear";
    TypeText(strPath);
    PressKeys({QStringLiteral("Return")});
    if (!WaitForWindowToClose(strTitle))
        return testing::AssertionFailure() << "the file dialog stayed open";
    return testing::AssertionSuccess();
}

testing::AssertionResult CSleevoraUser::PreviewShows(const CoverState& cover, CoverSide side,
                                                     const QString& strName)
{
    const QImage expected = ExpectedPreview(cover, side, m_dScale);
    // On a scaled screen Qt draws text unhinted, where this test program (at scale 1) hints
    // it: the edges of the letters may differ, nothing else.
    const int allowed = m_dScale == 1.0 ? 0 : expected.width() * expected.height() / 100;
    QImage shown;
    int differing = 0;
    const bool same = WaitUntil([&] {
        const QRect preview = PreviewOnScreen(side);
        if (preview.isEmpty())
            return false;
        shown = Screenshot(preview);
        differing = DifferingPixels(shown, expected, 2);
        return differing <= allowed;
    });
    if (same)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << differing << " pixels of the preview differ from the cover's drawing; see "
           << KeepForInspection(shown, strName + QStringLiteral("-shown")).toStdString() << " and "
           << KeepForInspection(expected, strName + QStringLiteral("-expected")).toStdString();
}

QRect CSleevoraUser::PreviewOnScreen(CoverSide side)
{
    const QRect window = MainWindow();
    if (window.isEmpty())
        return QRect();
    return Scaled(PreviewPlace(m_kind, side), m_dScale).translated(window.topLeft());
}

testing::AssertionResult CSleevoraUser::ExitAnswering(const QStringList& questionsAndKeys)
{
    Click(IDC_EXIT);
    for (int i = 0; i + 1 < questionsAndKeys.size(); i += 2) {
        const testing::AssertionResult answered = Answer(questionsAndKeys[i], {questionsAndKeys[i + 1]});
        if (!answered)
            return answered;
        WaitForWindowToClose(questionsAndKeys[i]);
    }
    if (!m_program.WaitForExit())
        return testing::AssertionFailure() << "the program did not end";
    if (m_program.ExitCode() != 0)
        return testing::AssertionFailure() << "the program ended with " << m_program.ExitCode();
    return testing::AssertionSuccess();
}
