#pragma once

#include <QString>
#include <QStringList>

// The desktop's own text editor and calculator, started from the tools menu.
enum class TDesktopProgram { TextEditor, Calculator };

// The command that starts the program: the key "editor" or "calculator" of section [tools]
// of cfg.ini when it is set, else the first of the usual Linux desktop programs found on the
// search path, else empty.
QString DesktopProgramCommand(TDesktopProgram program);

// The program and arguments of a command line, split like a shell does for plain words and
// double-quoted ones.
QStringList SplitCommandLine(const QString& command);

// Starts the program without waiting. A missing program is not an error: false, no message.
bool StartDesktopProgram(TDesktopProgram program);
