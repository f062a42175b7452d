// Points the user's configuration folder at a fresh temporary folder for one test, so
// that settings written by the test land there and nowhere else.
#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

class CTemporaryConfigFolder
{
public:
    CTemporaryConfigFolder()
        : m_previous(qgetenv("XDG_CONFIG_HOME")), m_hadPrevious(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    }
    // Points the configuration folder at a path that cannot be created (below a plain file).
    void MakeUnusable()
    {
        const std::string file = Path() + "/not-a-folder";
        if (FILE* f = std::fopen(file.c_str(), "w"))
            std::fclose(f);
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(file + "/config"));
    }
    ~CTemporaryConfigFolder()
    {
        if (m_hadPrevious)
            qputenv("XDG_CONFIG_HOME", m_previous);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    std::string Path() const { return m_dir.path().toStdString(); }
    std::string SettingsFile() const { return Path() + "/Quorvane/settings.ini"; }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};
