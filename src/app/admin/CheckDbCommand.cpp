#include "AdminCommand.h"
#include "AdminConnection.h"
#include "AdminOutput.h"
#include "data/Database.h"
#include "data/SchemaCheck.h"

int RunCheckDb(const TAdminArgs& args) {
    TDatabase db(QStringLiteral("lumora_admin"));
    if (!ConnectAdminDatabase(db, args.Positional.value(0)))
        return 1;
    QStringList differences;
    try {
        differences = CheckSchema(db);
    } catch (const EDatabaseError& e) {
        return Fail(e.Message());
    }
    if (differences.isEmpty()) {
        PrintOut(QStringLiteral("The database has every table and column the program expects."));
        return 0;
    }
    for (const QString& d : differences)
        PrintOut(d);
    return Fail(QStringLiteral("%1 difference(s) from the expected tables and columns.")
                    .arg(differences.size()));
}
