#include "PrintScheduler.h"

#include "ProgramDriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

bool WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// A PDF printer's description: A4 and Letter, printable up to the margin from every edge;
// the job's PDF goes on to the printer unchanged.
QString PrinterDescription(const QString& name, double dMargin)
{
    const auto area = [dMargin](double width, double height) {
        return QStringLiteral("\"%1 %1 %2 %3\"").arg(dMargin).arg(width - dMargin).arg(height - dMargin);
    };
    return QStringLiteral("*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
                          "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
                          "*PCFileName: \"TESTPDF.PPD\"\n*Manufacturer: \"Test\"\n*Product: \"(Test)\"\n"
                          "*ModelName: \"%1\"\n*ShortNickName: \"%1\"\n*NickName: \"%1\"\n"
                          "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: True\n"
                          "*DefaultColorSpace: RGB\n*FileSystem: False\n*Throughput: \"1\"\n"
                          "*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n"
                          "*cupsFilter2: \"application/vnd.cups-pdf application/pdf 0 -\"\n"
                          "*OpenUI *PageSize/Media Size: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n"
                          "*DefaultPageSize: A4\n"
                          "*PageSize A4/A4: \"<</PageSize[595.28 841.89]>>setpagedevice\"\n"
                          "*PageSize Letter/US Letter: \"<</PageSize[612 792]>>setpagedevice\"\n"
                          "*CloseUI: *PageSize\n"
                          "*OpenUI *PageRegion: PickOne\n*OrderDependency: 10 AnySetup *PageRegion\n"
                          "*DefaultPageRegion: A4\n"
                          "*PageRegion A4/A4: \"<</PageSize[595.28 841.89]>>setpagedevice\"\n"
                          "*PageRegion Letter/US Letter: \"<</PageSize[612 792]>>setpagedevice\"\n"
                          "*CloseUI: *PageRegion\n"
                          "*DefaultImageableArea: A4\n*ImageableArea A4/A4: %2\n"
                          "*ImageableArea Letter/US Letter: %3\n"
                          "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595.28 841.89\"\n"
                          "*PaperDimension Letter/US Letter: \"612 792\"\n"
                          "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n")
        .arg(name, area(595.28, 841.89), area(612, 792));
}

} // namespace

CPrintScheduler::CPrintScheduler()
{
    const QString daemon = QStringLiteral("/usr/sbin/cupsd");
    if (!m_folder.isValid() || !QFileInfo(daemon).isExecutable()) {
        m_strFault = QStringLiteral("no CUPS scheduler is installed (/usr/sbin/cupsd)");
        return;
    }
    WriteConfiguration();
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.start(daemon, {QStringLiteral("-f"), QStringLiteral("-c"),
                            m_folder.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                            m_folder.filePath(QStringLiteral("cups-files.conf"))});
    if (!m_daemon.waitForStarted(kWaitMs) ||
        !WaitUntil([this] { return QFileInfo::exists(Socket()) || m_daemon.state() != QProcess::Running; }) ||
        m_daemon.state() != QProcess::Running) {
        QFile log(m_folder.filePath(QStringLiteral("log/error_log")));
        log.open(QIODevice::ReadOnly);
        m_strFault = QStringLiteral("the private CUPS scheduler did not start: ") +
                     QString::fromLocal8Bit(log.readAll()).trimmed().section(QLatin1Char('\n'), -3);
    }
}

CPrintScheduler::~CPrintScheduler()
{
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(10000))
        m_daemon.kill();
}

// Its folders are open to the scheduler's filters, which run as the "lp" user when the
// tests run as root.
void CPrintScheduler::WriteConfiguration()
{
    const QString root = m_folder.path();
    for (const char* folder : {"spool/tmp", "cache", "state", "log", "out"})
        QDir(root).mkpath(QLatin1String(folder));
    for (const char* folder : {"", "/spool", "/spool/tmp", "/out"})
        QFile::setPermissions(root + QLatin1String(folder),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                  QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    WriteText(root + QStringLiteral("/cupsd.conf"),
              QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                             "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                             "<Location /admin>\nOrder allow,deny\nAllow all\n</Location>\n")
                  .arg(Socket()));
    QString files =
        QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                       "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                       "PageLog %1/log/page_log\nFileDevice Yes\n")
            .arg(root);
    // A scheduler started by another user than root runs its filters as that user.
    if (geteuid() != 0)
        files += QStringLiteral("User %1\nGroup %2\n")
                     .arg(qEnvironmentVariable("USER"), QString::number(getegid()));
    WriteText(root + QStringLiteral("/cups-files.conf"), files);
}

bool CPrintScheduler::Admin(const QStringList& arguments)
{
    QProcess admin;
    admin.start(QStringLiteral("lpadmin"), QStringList{QStringLiteral("-h"), Socket()} + arguments);
    return admin.waitForFinished(kWaitMs) && admin.exitCode() == 0;
}

bool CPrintScheduler::AddQueue(const QString& strName, double dMarginPoints)
{
    const QString ppd = m_folder.filePath(strName + QStringLiteral(".ppd"));
    return WriteText(ppd, PrinterDescription(QStringLiteral("Test PDF ") + strName, dMarginPoints)) &&
           Admin({QStringLiteral("-p"), strName, QStringLiteral("-E"), QStringLiteral("-v"),
                  QStringLiteral("file://") + OutputOf(strName), QStringLiteral("-P"), ppd});
}

bool CPrintScheduler::MakeDefault(const QString& strName)
{
    return Admin({QStringLiteral("-d"), strName});
}

QString CPrintScheduler::OutputOf(const QString& strName) const
{
    return m_folder.filePath(QStringLiteral("out/") + strName + QStringLiteral(".pdf"));
}

bool CPrintScheduler::WaitForIdle()
{
    return WaitUntil([this] {
        QProcess status;
        status.start(QStringLiteral("lpstat"), {QStringLiteral("-h"), Socket(), QStringLiteral("-o")});
        return status.waitForFinished(kWaitMs) && status.exitCode() == 0 &&
               status.readAllStandardOutput().isEmpty();
    });
}
