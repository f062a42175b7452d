// A private CUPS scheduler for the tests: its own configuration, spool and socket in a
// temporary folder, so that nothing of the machine's printing is touched or used. Queues
// are added with a PPD of their own, their printers writing each job's PDF to a file.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class CPrintScheduler
{
public:
    CPrintScheduler();
    ~CPrintScheduler();
    // Empty when the scheduler runs; otherwise why it could not start.
    QString Fault() const { return m_strFault; }
    QString Socket() const { return m_folder.filePath(QStringLiteral("cups.sock")); }

    // Adds a queue for a PDF printer that cannot print nearer the paper's edges than the
    // margin, in points, and makes it the default printer.
    bool AddQueue(const QString& strName, double dMarginPoints);
    bool MakeDefault(const QString& strName);
    // The PDF the queue's printer wrote for its last job.
    QString OutputOf(const QString& strName) const;
    // Waits until every job has been printed.
    bool WaitForIdle();

private:
    bool Admin(const QStringList& arguments);
    void WriteConfiguration();

    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_strFault;
};
