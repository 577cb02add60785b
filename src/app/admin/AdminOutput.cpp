#include "AdminOutput.h"

#include <cstdio>

namespace {

void Print(FILE* stream, const QString& text) {
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s = s.trimmed();
    if (s.isEmpty())
        return;
    std::fputs(s.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

}  // namespace

void PrintOut(const QString& text) {
    Print(stdout, text);
}

void PrintErr(const QString& text) {
    Print(stderr, text);
}

int Fail(const QString& text) {
    PrintErr(text);
    return 1;
}

bool TStderrPrompter::Ask(TPromptKind, const QString& text) {
    PrintErr(text);
    return false;
}
