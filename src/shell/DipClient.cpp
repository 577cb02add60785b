#include "shell/DipClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

#include "data/Gbk.h"
#include "data/Prompt.h"

namespace {

// The service may answer in UTF-8 or in the GBK of older installations.
QString DecodeBody(const QByteArray& body) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(body);
    return utf8.hasError() ? FromGbk(body) : text;
}

}  // namespace

QStringList DipReplyLines(const QByteArray& body) {
    QString text = DecodeBody(body);
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

TDipReply ParseDipReply(const QByteArray& body) {
    const QStringList lines = DipReplyLines(body);
    TDipReply reply;
    if (lines.size() != 5)
        return reply;
    reply.Valid = true;
    reply.Server = lines[0];
    reply.Port = lines[1];
    reply.User = lines[2];
    reply.Password = lines[3];
    reply.Database = lines[4];
    return reply;
}

TDipReply FetchDipReply(const QString& address, const QString& user, int timeoutMs) {
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(QStringLiteral("%1?user=%2").arg(address, user)));
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The transfer time-out covers a stalled transfer; this one covers the whole request.
    QTimer::singleShot(timeoutMs, reply, &QNetworkReply::abort);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    TDipReply result;
    if (reply->error() == QNetworkReply::NoError)
        result = ParseDipReply(reply->readAll());
    else
        ShowInfo(QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
    delete reply;
    return result;
}
