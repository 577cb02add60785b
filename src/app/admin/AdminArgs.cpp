#include "AdminArgs.h"

TAdminArgs ParseAdminArgs(const QStringList& arguments) {
    TAdminArgs args;
    bool flagsEnded = false;
    for (const QString& a : arguments) {
        if (!flagsEnded && a == QLatin1String("--")) {
            flagsEnded = true;
        } else if (!flagsEnded && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            args.Help = true;
        } else if (!flagsEnded && a.startsWith(QLatin1String("--"))) {
            args.Flags.insert(a.mid(2));
        } else if (!flagsEnded && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            args.Flags.insert(a.mid(1));
        } else if (args.Command.isEmpty()) {
            args.Command = a;
        } else {
            args.Positional << a;
        }
    }
    return args;
}
