#include <QFile>

#include "AdminCommand.h"
#include "AdminConnection.h"
#include "AdminOutput.h"
#include "data/Database.h"
#include "data/DatabaseCreator.h"

int RunInitDb(const TAdminArgs& args) {
    const bool withDemo = args.Flags.contains(QStringLiteral("demo"));
    QString file;
    bool createdFile = false;
    QString error;
    bool created = false;
    {
        TDatabase db(QStringLiteral("lumora_admin"));
        if (!ConnectAdminDatabase(db, args.Positional.value(0), true, &createdFile))
            return 1;
        file = AdminDatabaseFile(db);
        try {
            created = DatabaseCreator::Create(db, withDemo, &error);
        } catch (const EDatabaseError& e) {
            error = e.Message();
        }
    }
    if (!created) {
        // A half-made file would pass for a database next time.
        if (createdFile)
            QFile::remove(file);
        return Fail(error);
    }
    PrintOut(withDemo ? QStringLiteral("Created the tables, the rows of a new installation and "
                                       "the demo company.")
                      : QStringLiteral("Created the tables and the rows of a new installation."));
    return 0;
}
