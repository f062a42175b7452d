#include "ProgramDriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>

namespace {

// Runs a command to its end and hands back what it printed.
QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kWaitMs))
        process.kill();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString Xdotool(const QStringList& arguments)
{
    return Run(QStringLiteral("xdotool"), arguments);
}

// "X=..", "Y=..", "WIDTH=..", "HEIGHT=.." lines of xdotool's --shell output.
QRect ParseGeometry(const QString& shell)
{
    int values[4] = {0, 0, 0, 0};
    const char* names[4] = {"X=", "Y=", "WIDTH=", "HEIGHT="};
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        for (int i = 0; i < 4; ++i)
            if (line.startsWith(QLatin1String(names[i])))
                values[i] = line.mid(static_cast<int>(qstrlen(names[i]))).toInt();
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

QString& PrintServer()
{
    static QString server;
    return server;
}

} // namespace

void UsePrintServer(const QString& strSocket)
{
    PrintServer() = strSocket;
}

CPrivateDisplay::CPrivateDisplay()
{
    // -displayfd: the server picks a free display itself and writes its number on stdout.
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1600x1200x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp")});
    if (!m_server.waitForStarted(kWaitMs))
        return;
    QByteArray number;
    QElapsedTimer timer;
    timer.start();
    while (!number.contains('\n') && timer.elapsed() < kWaitMs && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(100);
        number += m_server.readAllStandardOutput();
    }
    if (number.contains('\n'))
        m_strName = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
}

CPrivateDisplay::~CPrivateDisplay()
{
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
}

bool WaitUntil(const std::function<bool()>& condition, int nTimeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > nTimeoutMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(40);
    }
    return true;
}

CProgram::CProgram(const QStringList& arguments, const QString& strRuntimeFolder, double dScale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = m_home.path();
    for (const char* folder : {"config", "data", "cache", "runtime"})
        QDir(home).mkpath(QLatin1String(folder));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       strRuntimeFolder.isEmpty() ? home + QStringLiteral("/runtime") : strRuntimeFolder);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    environment.remove(QStringLiteral("SESSION_MANAGER"));
    environment.insert(QStringLiteral("CUPS_SERVER"), PrintServer().isEmpty()
                                                          ? home + QStringLiteral("/runtime/no-print-server")
                                                          : PrintServer());
    if (dScale != 1.0)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(dScale));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(QStringLiteral(SLEEVORA_PROGRAM), arguments);
    m_process.waitForStarted(kWaitMs);
}

CProgram::~CProgram()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool CProgram::WaitForExit(int nTimeoutMs)
{
    return WaitUntil([this] { return m_process.state() == QProcess::NotRunning; }, nTimeoutMs);
}

namespace {

FoundWindow FindWindowWithId(const QString& strTitle, qint64 nProcessId)
{
    return FindWindowMatching(QLatin1Char('^') + QRegularExpression::escape(strTitle) + QLatin1Char('$'),
                              nProcessId);
}

} // namespace

FoundWindow FindWindowMatching(const QString& pattern, qint64 nProcessId)
{
    QStringList search{QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible")};
    if (nProcessId > 0)
        search << QStringLiteral("--pid") << QString::number(nProcessId);
    const QString ids = Xdotool(search << QStringLiteral("--name") << pattern);
    FoundWindow largest;
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRect place =
            ParseGeometry(Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id}));
        if (place.width() * place.height() > largest.place.width() * largest.place.height())
            largest = {id, place};
    }
    // Qt's helper windows share the program's title and are a pixel or three wide.
    return largest.place.width() > 8 && largest.place.height() > 8 ? largest : FoundWindow();
}

QStringList VisibleWindowTitles(qint64 nProcessId)
{
    QStringList titles;
    const QString ids = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--pid"), QString::number(nProcessId)});
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        titles << Xdotool({QStringLiteral("getwindowname"), id}).trimmed();
    return titles;
}

QString WindowTitle(const FoundWindow& window)
{
    return Xdotool({QStringLiteral("getwindowname"), window.strId}).trimmed();
}

QRect FindWindow(const QString& strTitle, qint64 nProcessId)
{
    return FindWindowWithId(strTitle, nProcessId).place;
}

QRect WaitForKeyboard(const QString& strTitle, int nTimeoutMs)
{
    FoundWindow window;
    WaitUntil(
        [&] {
            window = FindWindowWithId(strTitle, 0);
            return !window.place.isEmpty() &&
                   Xdotool({QStringLiteral("getwindowfocus"), QStringLiteral("-f")}).trimmed() ==
                       window.strId;
        },
        nTimeoutMs);
    return window.place;
}

QRect WaitForWindow(const QString& strTitle, int nTimeoutMs)
{
    QRect place;
    WaitUntil([&] { return !(place = FindWindow(strTitle)).isEmpty(); }, nTimeoutMs);
    return place;
}

bool WaitForWindowToClose(const QString& strTitle, int nTimeoutMs)
{
    return WaitUntil([&] { return FindWindow(strTitle).isEmpty(); }, nTimeoutMs);
}

// The server takes the events in the order they are sent, so the click lands where the
// pointer was moved to.
void MovePointerTo(const QPoint& screenPoint)
{
    Xdotool(
        {QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y())});
}

void ClickAt(const QPoint& screenPoint, int nButton)
{
    Xdotool({QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y()),
             QStringLiteral("click"), QString::number(nButton)});
}

void PressKeys(const QStringList& keys)
{
    Xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} + keys);
}

void TypeText(const QString& text)
{
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("25"), QStringLiteral("--"),
             text});
}

QImage Screenshot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Screenshot(const QRect& part)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, part.x(), part.y(), part.width(), part.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int DifferingPixels(const QImage& actual, const QImage& expected, int nTolerance)
{
    if (actual.size() != expected.size())
        return expected.width() * expected.height();
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const bool near = std::abs(qRed(rowA[x]) - qRed(rowB[x])) <= nTolerance &&
                              std::abs(qGreen(rowA[x]) - qGreen(rowB[x])) <= nTolerance &&
                              std::abs(qBlue(rowA[x]) - qBlue(rowB[x])) <= nTolerance;
            differing += near ? 0 : 1;
        }
    }
    return differing;
}

QString KeepForInspection(const QImage& image, const QString& strName)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/gui-failures");
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + strName + QStringLiteral(".png");
    image.save(path);
    return path;
}
