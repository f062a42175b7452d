// Drives the built program as a person does: a private X display, the real sleevora
// executable on it, real pointer and key events sent with xdotool, and what is on screen
// read back from screenshots. Every wait is on a condition (a window appears, pixels
// change) with a generous limit, so a loaded machine only makes the tests slower.
#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// A private Xvfb display, numbered by the server itself so that parallel runs never meet.
class CPrivateDisplay
{
public:
    CPrivateDisplay();
    ~CPrivateDisplay();
    bool IsRunning() const { return !m_strName.isEmpty(); }
    QString Name() const { return m_strName; } // ":N"

private:
    QProcess m_server;
    QString m_strName;
};

// Generous limits: a whole window coming up on a loaded two-core machine under sanitizers.
constexpr int kWaitMs = 30000;

// Polls the condition (processing events) until it holds or the limit passes.
bool WaitUntil(const std::function<bool()>& condition, int nTimeoutMs = kWaitMs);

// The CUPS scheduler (its socket) the programs started next print through; by default none,
// so that no printer of the machine's own ever answers a test.
void UsePrintServer(const QString& strSocket);

// The running program, with its own home, configuration, data, cache and runtime folders;
// programs given the same runtime folder run as two windows of one user's session. A scale
// above 1 runs it as on a screen scaled that much (QT_SCALE_FACTOR).
class CProgram
{
public:
    explicit CProgram(const QStringList& arguments = {}, const QString& strRuntimeFolder = {},
                      double dScale = 1.0);
    ~CProgram();
    bool WaitForExit(int nTimeoutMs = kWaitMs);
    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }
    int ExitCode() const { return m_process.exitCode(); }
    qint64 ProcessId() const { return m_process.processId(); }
    QString Home() const { return m_home.path(); }
    QString SettingsFile() const { return m_home.path() + QStringLiteral("/config/Quorvane/settings.ini"); }

private:
    QTemporaryDir m_home;
    QProcess m_process;
};

// A visible top-level window whose title matches a regular expression (xdotool's), the
// largest of them, of one process when nProcessId is given; an empty place when none.
struct FoundWindow
{
    QString strId;
    QRect place;
};
FoundWindow FindWindowMatching(const QString& pattern, qint64 nProcessId = 0);
// The titles of every visible window of a process, menus and other popups included.
QStringList VisibleWindowTitles(qint64 nProcessId);
// The title of a window found.
QString WindowTitle(const FoundWindow& window);

// The outer rectangle of the visible top-level window with exactly this title, on the
// screen (of one process when nProcessId is given); empty when there is none.
QRect FindWindow(const QString& strTitle, qint64 nProcessId = 0);
QRect WaitForWindow(const QString& strTitle, int nTimeoutMs = kWaitMs);
// Waits until the window with this title is on screen and has the keyboard, so that keys
// sent next reach it and not the window under it.
QRect WaitForKeyboard(const QString& strTitle, int nTimeoutMs = kWaitMs);
bool WaitForWindowToClose(const QString& strTitle, int nTimeoutMs = kWaitMs);

// Real input events, as from the mouse and keyboard.
void ClickAt(const QPoint& screenPoint, int nButton = 1);
void MovePointerTo(const QPoint& screenPoint);
// Key names as xdotool spells them: "Return", "Tab", "alt+h", "ctrl+a".
void PressKeys(const QStringList& keys);
void TypeText(const QString& text);

QImage Screenshot();
// A part of the screen only: quicker to read, for timing what appears there.
QImage Screenshot(const QRect& part);
// How many pixels of two pictures of the same size differ by more than the tolerance in
// any channel; every pixel when the sizes differ.
int DifferingPixels(const QImage& actual, const QImage& expected, int nTolerance);
// Keeps a picture of a failed comparison beside the test program, for a person to look at.
QString KeepForInspection(const QImage& image, const QString& strName);
