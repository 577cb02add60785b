#include "data/ServerAlias.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString& AliasFile() {
    static QString path;
    return path;
}

QString KeyOf(const QString& server) {
    // QSettings treats "/" and "\" as group separators; keep a server name one key.
    QString key = server;
    key.replace(QLatin1Char('/'), QLatin1Char('|')).replace(QLatin1Char('\\'), QLatin1Char('|'));
    return QStringLiteral("ConnectTo/") + key;
}

}  // namespace

namespace ServerAlias {

QString FilePath() {
    if (AliasFile().isEmpty())
        AliasFile() = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/Lumora/server-alias.ini");
    return AliasFile();
}

void SetFilePath(const QString& path) {
    AliasFile() = path;
}

bool Write(const QString& server, const QString& value, bool remove) {
    const QString path = FilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings s(path, QSettings::IniFormat);
    if (remove)
        s.remove(KeyOf(server));
    else
        s.setValue(KeyOf(server), value);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString Read(const QString& server) {
    if (!QFileInfo::exists(FilePath()))
        return QString();
    QSettings s(FilePath(), QSettings::IniFormat);
    return s.value(KeyOf(server)).toString();
}

int Port(const QString& server) {
    // "DBMSSOCN,host,port" or "DBMSSOCN,host"
    const QStringList parts = Read(server).split(QLatin1Char(','));
    if (parts.size() < 3)
        return 0;
    bool ok = false;
    const int port = parts[2].trimmed().toInt(&ok);
    return ok && port > 0 ? port : 0;
}

}  // namespace ServerAlias
