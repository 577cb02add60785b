#include "shell/DesktopPrograms.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "shell/IniFile.h"
#include "shell/ProgramFolder.h"

QString DesktopProgramCommand(TDesktopProgram program) {
    const bool editor = program == TDesktopProgram::TextEditor;
    const QString configured =
        TIniFile(CfgIniPath())
            .ReadString(QStringLiteral("tools"),
                        editor ? QStringLiteral("editor") : QStringLiteral("calculator"))
            .trimmed();
    if (!configured.isEmpty())
        return configured;
    static const QStringList editors = {QStringLiteral("gnome-text-editor"),
                                        QStringLiteral("gedit"),
                                        QStringLiteral("kate"),
                                        QStringLiteral("kwrite"),
                                        QStringLiteral("mousepad"),
                                        QStringLiteral("xed"),
                                        QStringLiteral("pluma"),
                                        QStringLiteral("leafpad")};
    static const QStringList calculators = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
        QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
        QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
    for (const QString& name : editor ? editors : calculators) {
        if (!QStandardPaths::findExecutable(name).isEmpty())
            return name;
    }
    return QString();
}

QStringList SplitCommandLine(const QString& command) {
    QStringList parts;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                parts.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        parts.append(word);
    return parts;
}

bool StartDesktopProgram(TDesktopProgram program) {
    QStringList parts = SplitCommandLine(DesktopProgramCommand(program));
    if (parts.isEmpty())
        return false;
    const QString executable = parts.takeFirst();
    if (QStandardPaths::findExecutable(executable).isEmpty() &&
        !QFileInfo(executable).isExecutable())
        return false;
    return QProcess::startDetached(executable, parts);
}
