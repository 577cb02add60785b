#include "AdminCommand.h"

const QList<TAdminCommand>& AdminCommands() {
    static const QList<TAdminCommand> commands = {
        {QStringLiteral("init-db"),
         QStringLiteral("init-db [--demo] CONNECTION"),
         QStringLiteral("create the tables and the rows of a new installation (for sqlite the "
                        "file too);\n--demo adds the demo company. Refuses a database that "
                        "already has tables."),
         {QStringLiteral("demo")},
         1,
         RunInitDb},
        {QStringLiteral("check-db"),
         QStringLiteral("check-db CONNECTION"),
         QStringLiteral("compare the database with the tables and columns the program expects "
                        "and\nlist every difference."),
         {},
         1,
         RunCheckDb},
    };
    return commands;
}

const TAdminCommand* FindAdminCommand(const QString& name) {
    for (const TAdminCommand& c : AdminCommands())
        if (c.Name == name)
            return &c;
    return nullptr;
}
