#pragma once

#include <QString>

#include "data/Prompt.h"

// Lines for the terminal: the "\r\n" line breaks and the margins of the program's messages
// become plain lines.
void PrintOut(const QString& text);
void PrintErr(const QString& text);

// Prints 1 after the text on stderr, for `return Fail(...)`.
int Fail(const QString& text);

// A CSV field: quoted (with doubled quotes) when it holds a comma, a quote or a line break.
QString CsvField(const QString& text);
// A number for CSV with a full stop as decimal point and the decimals of a number pattern
// ("0.00"); never "-0".
QString CsvNumber(double value, const QString& format);

// Shows the core's message boxes on stderr. Nobody is there to answer a question, so every
// question is answered "no".
class TStderrPrompter : public TPrompter {
public:
    bool Ask(TPromptKind kind, const QString& text) override;
};
