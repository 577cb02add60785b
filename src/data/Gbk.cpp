#include "data/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray GbkBytes(const QString& text) {
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString FromGbk(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

int GbkLength(const QString& text) {
    return int(GbkBytes(text).size());
}
