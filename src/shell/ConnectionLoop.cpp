#include "shell/ConnectionLoop.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "data/ConnectionString.h"
#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/Prompt.h"
#include "shell/Configer.h"
#include "shell/ProgramFolder.h"

bool EnsureDefaultDatabase(const QString& path, QString* error) {
    if (QFileInfo::exists(path))
        return true;
    bool created = false;
    {
        TDatabase fresh(QStringLiteral("lumora_new_default"));
        fresh.SetCreateIfMissing(true);
        QString why;
        if (fresh.TryConnect(ConnStr::SQLite(path), &why)) {
            try {
                created = DatabaseCreator::Create(fresh, true, &why);
            } catch (const EDatabaseError& e) {
                why = e.Message();
            }
        }
        if (!created && error)
            *error = why;
    }
    // A half-made file would be taken for a database at the next start.
    if (!created)
        QFile::remove(path);
    return created;
}

bool ConnectDatabase(TDatabase& db, TConnectionDialog& dialog) {
    for (;;) {
        TConfiger& configer = dialog.Configer();
        bool ready = true;
        if (configer.UsesDefaultDatabase()) {
            QString error;
            ready = EnsureDefaultDatabase(DefaultDatabasePath(), &error);
            if (!ready)
                ShowInfo(QStringLiteral("创建数据库文件时失败,提示如下:\r\n%1").arg(error));
        }
        if (ready && db.Connect(configer.GetConnectionString()))
            break;
        if (!dialog.Execute())
            break;
        QCoreApplication::processEvents();
    }
    return db.Connected();
}
