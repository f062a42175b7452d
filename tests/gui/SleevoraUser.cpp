#include "SleevoraUser.h"

#include "ProgramScreens.h"
#include "resource.h"

#include <QThread>

namespace {

const QString kMainTitle = QStringLiteral("Sleevora");
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

} // namespace

CSleevoraUser::CSleevoraUser(const QStringList& arguments, const QString& strRuntimeFolder)
    : m_program(arguments, strRuntimeFolder)
{
}

QRect CSleevoraUser::MainWindow()
{
    return FindWindow(kMainTitle, m_program.ProcessId());
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
    ClickAt(MainWindow().topLeft() + MainWindowControl(m_kind, nId).center());
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
    const QImage expected = ExpectedPreview(cover, side);
    const QRect preview = PreviewPlace(m_kind, side);
    QImage shown;
    int differing = 0;
    const bool same = WaitUntil([&] {
        const QRect window = MainWindow();
        if (window.isEmpty())
            return false;
        shown = Screenshot().copy(preview.translated(window.topLeft()));
        differing = DifferingPixels(shown, expected, 2);
        return differing == 0;
    });
    if (same)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << differing << " pixels of the preview differ from the cover's drawing; see "
           << KeepForInspection(shown, strName + QStringLiteral("-shown")).toStdString() << " and "
           << KeepForInspection(expected, strName + QStringLiteral("-expected")).toStdString();
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
