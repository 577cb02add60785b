#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

}  // namespace

QString ProgramFolder() {
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) {
    FolderOverride() = folder;
}

QString CfgIniPath() {
    return QDir(ProgramFolder()).filePath(QStringLiteral("cfg.ini"));
}

QString DefaultDatabasePath() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                         QStringLiteral(".db");
    const QString beside = QDir(ProgramFolder()).filePath(name);
    if (QFileInfo::exists(beside) || QFileInfo(ProgramFolder()).isWritable())
        return beside;
    // An installed program's folder is read-only: keep the database with the user's data.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return QDir(dataFolder).filePath(name);
}
