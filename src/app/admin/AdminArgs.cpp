#include "AdminArgs.h"

#include "AdminOutput.h"

TAdminArgs ParseAdminArgs(const QStringList& arguments, const QSet<QString>& valueOptions) {
    TAdminArgs args;
    bool flagsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!flagsEnded && a == QLatin1String("--")) {
            flagsEnded = true;
        } else if (!flagsEnded && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            args.Help = true;
        } else if (!flagsEnded && a.startsWith(QLatin1String("--"))) {
            const int eq = a.indexOf(QLatin1Char('='));
            const QString name = a.mid(2, eq < 0 ? -1 : eq - 2);
            if (!valueOptions.contains(name)) {
                args.Flags.insert(a.mid(2));
            } else if (eq >= 0) {
                args.Options.insert(name, a.mid(eq + 1));
            } else if (i + 1 < arguments.size()) {
                args.Options.insert(name, arguments.at(++i));
            } else {
                args.Error = QStringLiteral("option --%1 needs a value").arg(name);
            }
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

bool TAdminArgs::IntOption(const QString& name, int* value) const {
    if (!Options.contains(name))
        return true;
    bool ok = false;
    const int v = Options.value(name).trimmed().toInt(&ok);
    if (!ok) {
        PrintErr(QStringLiteral("--%1: not a whole number: %2").arg(name, Options.value(name)));
        return false;
    }
    *value = v;
    return true;
}

bool TAdminArgs::DateOption(const QString& name, QDate* value) const {
    if (!Options.contains(name))
        return true;
    const QDate d = QDate::fromString(Options.value(name).trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) {
        PrintErr(
            QStringLiteral("--%1: not a date (YYYY-MM-DD): %2").arg(name, Options.value(name)));
        return false;
    }
    *value = d;
    return true;
}
