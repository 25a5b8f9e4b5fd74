#pragma once

#include <memory>
#include <QSettings>
#include <QString>
#include <QStringList>

// The program's persistent settings, every key and default in this one place. The program
// uses the per-user store under the program's names (schedule/ProgramNames.h); tests give a file.
class Settings {
public:
    static constexpr const char *kSerialPortKey = "SerialPort";
    static constexpr const char *kRecentFileGroup = "Recent File List";
    static constexpr int kRecentFileCount = 4;

    // The per-user settings of the program.
    Settings();
    // Settings kept in an INI file of the caller's choice.
    explicit Settings(const QString &iniPath);

    // Empty when none was chosen: the device code then uses its own default port.
    QString serialPort() const;
    void setSerialPort(const QString &name);

    // Most recent first, at most kRecentFileCount.
    QStringList recentFiles() const;
    void addRecentFile(const QString &path);
    void removeRecentFile(const QString &path);

    void sync();

private:
    void writeRecentFiles(QStringList files);

    std::unique_ptr<QSettings> m_store;
};
