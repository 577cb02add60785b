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
        {QStringLiteral("stock"),
         QStringLiteral("stock CONNECTION [--house ID] [--date YYYY-MM-DD]"),
         QStringLiteral("print the stock balance as CSV (HouseId,WareId,Qty,Fund,Price), one row "
                        "per warehouse\nand ware with documents or opening balances; --house "
                        "keeps one warehouse,\n--date counts documents up to that day."),
         {},
         1,
         RunStock,
         {QStringLiteral("house"), QStringLiteral("date")}},
        {QStringLiteral("cost"),
         QStringLiteral("cost CONNECTION --house ID --ware ID [--method N]"),
         QStringLiteral("print the cost rows of a ware in a warehouse (0 or less: all "
                        "warehouses) as CSV,\nthen \"total,QTY,FUND\"; --method 0 to 3 (default: "
                        "the ware's own)."),
         {},
         1,
         RunCost,
         {QStringLiteral("house"), QStringLiteral("ware"), QStringLiteral("method")},
         {QStringLiteral("house"), QStringLiteral("ware")}},
        {QStringLiteral("carry-over"),
         QStringLiteral("carry-over CONNECTION --date YYYY-MM-DD"),
         QStringLiteral("carry the stock over to the date: store it as opening balances and "
                        "delete every\ndocument dated on or before it. Progress on stderr."),
         {},
         1,
         RunCarryOver,
         {QStringLiteral("date")},
         {QStringLiteral("date")}},
    };
    return commands;
}

const TAdminCommand* FindAdminCommand(const QString& name) {
    for (const TAdminCommand& c : AdminCommands())
        if (c.Name == name)
            return &c;
    return nullptr;
}

QSet<QString> AdminValueOptions() {
    QSet<QString> names;
    for (const TAdminCommand& c : AdminCommands())
        for (const QString& o : c.Options)
            names.insert(o);
    return names;
}
