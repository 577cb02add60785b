#include "AdminOutput.h"

#include <cstdio>

#include "data/NumberFormats.h"

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

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString CsvNumber(double value, const QString& format) {
    const QString text = QString::number(value, 'f', DecimalsOf(format));
    bool negativeZero = text.startsWith(QLatin1Char('-'));
    for (int i = 1; negativeZero && i < text.size(); ++i)
        negativeZero = text.at(i) == QLatin1Char('0') || text.at(i) == QLatin1Char('.');
    return negativeZero ? text.mid(1) : text;
}

bool TStderrPrompter::Ask(TPromptKind, const QString& text) {
    PrintErr(text);
    return false;
}
