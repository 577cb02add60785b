#pragma once

#include <QByteArray>
#include <QString>

// Byte-level work (lengths the program tests, cfg.ini scrambling, text exports) is done on
// the GBK bytes of a text, as the program's users count them.
QByteArray GbkBytes(const QString& text);
QString FromGbk(const QByteArray& bytes);
// Length of the text in GBK bytes (a Chinese character counts two).
int GbkLength(const QString& text);
