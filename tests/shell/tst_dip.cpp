#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "data/ServerAlias.h"
#include "shell/Configer.h"
#include "shell/DipClient.h"
#include "shell/ProgramFolder.h"
#include "support/TestSupport.h"

namespace {

// Answers every request on 127.0.0.1 with one status and body, and keeps the request line.
class HttpStub : public QObject {
public:
    HttpStub(int status, QByteArray body) : status_(status), body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        });
    }
    QString Url() const {
        return QStringLiteral("http://127.0.0.1:%1/dip").arg(server_.serverPort());
    }
    QByteArray RequestLine;

private:
    void Answer(QTcpSocket* socket) {
        buffer_ += socket->readAll();
        if (!buffer_.contains("\r\n\r\n"))
            return;
        RequestLine = buffer_.left(buffer_.indexOf("\r\n"));
        const QByteArray reason = status_ == 200 ? "OK" : "Internal Server Error";
        socket->write("HTTP/1.1 " + QByteArray::number(status_) + ' ' + reason +
                      "\r\nContent-Type: text/plain\r\nContent-Length: " +
                      QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    int status_;
    QByteArray body_;
    QByteArray buffer_;
};

const QString DipMessage = QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通.");

}  // namespace

class DipTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void replyLines_data();
    void replyLines();
    void fetch_data();
    void fetch();
    void refusedPort();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void DipTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    SetProgramFolder(dir_->path());
    QFile::remove(ServerAlias::FilePath());
}

void DipTest::cleanup() {
    SetProgramFolder(QString());
}

void DipTest::replyLines_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("CRLF, closing break") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF, no closing break") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("second break is an empty line")
        << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
    QTest::newRow("empty middle line") << QByteArray("a\n\nc\n") << QStringList{"a", "", "c"};
    QTest::newRow("UTF-8") << QByteArray("仓库\n") << QStringList{"仓库"};
    QTest::newRow("GBK") << QByteArray("\xb2\xd6\xbf\xe2\r\n") << QStringList{"仓库"};
}

void DipTest::replyLines() {
    QFETCH(QByteArray, body);
    QFETCH(QStringList, lines);
    QCOMPARE(DipReplyLines(body), lines);
}

void DipTest::fetch_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("connection");  // empty: no connection
    QTest::addColumn<QString>("alias");
    QTest::addColumn<bool>("message");
    const QString cs = TConfiger::DipConnectionString("pg.dip", "stock", "pw", "warehouse");
    QTest::newRow("five lines") << 200
                                << QByteArray("pg.dip\r\n6543\r\nstock\r\npw\r\nwarehouse\r\n")
                                << cs << "DBMSSOCN,pg.dip,6543" << false;
    QTest::newRow("five lines, LF, no closing break")
        << 200 << QByteArray("pg.dip\n6543\nstock\npw\nwarehouse") << cs << "DBMSSOCN,pg.dip,6543"
        << false;
    QTest::newRow("empty port") << 200 << QByteArray("pg.dip\r\n\r\nstock\r\npw\r\nwarehouse\r\n")
                                << cs << "DBMSSOCN,pg.dip" << false;
    QTest::newRow("four lines") << 200 << QByteArray("pg.dip\r\n6543\r\nstock\r\npw\r\n")
                                << QString() << QString() << false;
    QTest::newRow("six lines") << 200
                               << QByteArray("pg.dip\r\n6543\r\nstock\r\npw\r\nwarehouse\r\nx\r\n")
                               << QString() << QString() << false;
    QTest::newRow("five lines and an empty one")
        << 200 << QByteArray("pg.dip\r\n6543\r\nstock\r\npw\r\nwarehouse\r\n\r\n") << QString()
        << QString() << false;
    QTest::newRow("HTTP 500") << 500 << QByteArray("pg.dip\r\n6543\r\nstock\r\npw\r\nwarehouse\r\n")
                              << QString() << QString() << true;
}

void DipTest::fetch() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, connection);
    QFETCH(QString, alias);
    QFETCH(bool, message);
    HttpStub stub(status, body);
    PromptRecorder prompts;
    TConfiger c;
    c.providerIdx = TConfiger::DipProvider;
    c.dipUrl = stub.Url();
    c.dipUser = QStringLiteral("alice");
    QCOMPARE(c.GetConnectionString(), connection);
    QCOMPARE(stub.RequestLine, QByteArray("GET /dip?user=alice HTTP/1.1"));
    QCOMPARE(ServerAlias::Read("pg.dip"), alias);
    QCOMPARE(prompts.Texts(),
             message ? QStringList{FramePromptText(TPromptKind::Info, DipMessage)} : QStringList());
}

void DipTest::refusedPort() {
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    PromptRecorder prompts;
    TConfiger c;
    c.providerIdx = TConfiger::DipProvider;
    c.dipUrl = QStringLiteral("http://127.0.0.1:%1/dip").arg(port);
    c.dipUser = QStringLiteral("alice");
    QCOMPARE(c.GetConnectionString(), QString());
    QCOMPARE(prompts.Texts(), QStringList{FramePromptText(TPromptKind::Info, DipMessage)});

    // No address at all fails the same way.
    prompts.Clear();
    c.dipUrl.clear();
    QCOMPARE(c.GetConnectionString(), QString());
    QCOMPARE(prompts.Texts(), QStringList{FramePromptText(TPromptKind::Info, DipMessage)});
}

LUMORA_TEST_MAIN(DipTest)
#include "tst_dip.moc"
