#pragma once

#include <QByteArray>
#include <QString>

// The reversible scrambling of the secrets in cfg.ini. It works on bytes: the scrambled GBK
// bytes of a text are not always valid GBK, so they are kept as bytes, never as text.
// Scramble is its own inverse; the result has the length of the input.
QByteArray Scramble(const QByteArray& bytes);

// The scrambled GBK bytes of a text, and the text of scrambled bytes.
QByteArray ScrambleText(const QString& text);
QString UnscrambleText(const QByteArray& scrambled);
