#include "shell/Scramble.h"

#include "data/Gbk.h"

namespace {

// Changing the key makes every stored secret unreadable.
constexpr char Key[] = "kestrelowl";
constexpr int KeyLength = sizeof(Key) - 1;
static_assert(KeyLength == 10);

}  // namespace

QByteArray Scramble(const QByteArray& bytes) {
    QByteArray out = bytes;
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = char(out[i] ^ (Key[(i + 1) % KeyLength] % 10));
    return out;
}

QByteArray ScrambleText(const QString& text) {
    return Scramble(GbkBytes(text));
}

QString UnscrambleText(const QByteArray& scrambled) {
    return FromGbk(Scramble(scrambled));
}
