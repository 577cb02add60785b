#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "data/Gbk.h"
#include "shell/IniFile.h"
#include "support/TestSupport.h"

class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void missingFileReadsDefaults();
    void readBytes_data();
    void readBytes();
    void readIntegerAndBool_data();
    void readIntegerAndBool();
    void writeKeepsFileByteExact_data();
    void writeKeepsFileByteExact();
    void unchangedFileIsNotRewritten();
    void bytesRoundTrip();
    void lineBreakInValueIsRefused();
    void textIsGbkOnDisk();

private:
    QString WriteFile(const QByteArray& contents);
    QByteArray ReadFile() const;

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void IniFileTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath(QStringLiteral("cfg.ini"));
}

QString IniFileTest::WriteFile(const QByteArray& contents) {
    QFile f(path_);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write the fixture");
    f.write(contents);
    return path_;
}

QByteArray IniFileTest::ReadFile() const {
    QFile f(path_);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void IniFileTest::missingFileReadsDefaults() {
    TIniFile ini(path_);
    QCOMPARE(ini.ReadString("db", "mssqlServer", "none"), QStringLiteral("none"));
    QCOMPARE(ini.ReadInteger("db", "providerIdx", 7), 7);
    QCOMPARE(ini.ReadBool("db", "defaultCon", true), true);
    QVERIFY(!ini.ValueExists("db", "providerIdx"));
    QVERIFY(ini.UpdateFile());
    QVERIFY(!QFile::exists(path_));  // nothing written, nothing created
}

void IniFileTest::readBytes_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("exists");
    const QByteArray file =
        "; comment=not a key\r\n"
        "top=outside any section\r\n"
        "[db]\r\n"
        "Server=alpha\r\n"
        "  spaced key  = padded value \r\n"
        "url=http://x/?a=b\r\n"
        "server=second\r\n"
        ";mssqlDb=commented\r\n"
        "empty=\r\n"
        "[ Login ]\r\n"
        "LastLoginId=sa";
    QTest::newRow("plain") << file << "db"
                           << "Server" << QByteArray("alpha") << true;
    QTest::newRow("names ignore case") << file << "DB"
                                       << "SERVER" << QByteArray("alpha") << true;
    QTest::newRow("first of duplicates") << file << "db"
                                         << "server" << QByteArray("alpha") << true;
    QTest::newRow("value kept as it stands")
        << file << "db"
        << "spaced key" << QByteArray(" padded value ") << true;
    QTest::newRow("value holds =") << file << "db"
                                   << "url" << QByteArray("http://x/?a=b") << true;
    QTest::newRow("empty value") << file << "db"
                                 << "empty" << QByteArray() << true;
    QTest::newRow("commented out") << file << "db"
                                   << "mssqlDb" << QByteArray("d") << false;
    QTest::newRow("comment is no key") << file << ""
                                       << "; comment" << QByteArray("d") << false;
    QTest::newRow("key outside sections") << file << "db"
                                          << "top" << QByteArray("d") << false;
    QTest::newRow("header with blanks, last line without end")
        << file << "login"
        << "LastLoginId" << QByteArray("sa") << true;
    QTest::newRow("other section") << file << "Login"
                                   << "Server" << QByteArray("d") << false;
    QTest::newRow("LF file") << QByteArray("[db]\nServer=lf\n") << "db"
                             << "Server" << QByteArray("lf") << true;
}

void IniFileTest::readBytes() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, expected);
    QFETCH(bool, exists);
    const TIniFile ini(WriteFile(contents));
    QCOMPARE(ini.ReadBytes(section, key, "d"), expected);
    QCOMPARE(ini.ValueExists(section, key), exists);
}

void IniFileTest::readIntegerAndBool_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("integer");  // default 42
    QTest::addColumn<int>("boolean");  // default -1: neither true nor false was read
    QTest::newRow("1") << QByteArray("1") << 1 << 1;
    QTest::newRow("0") << QByteArray("0") << 0 << 0;
    QTest::newRow("2") << QByteArray("2") << 2 << -1;
    QTest::newRow("blanks") << QByteArray(" 1 ") << 1 << 1;
    QTest::newRow("negative") << QByteArray("-5") << -5 << -1;
    QTest::newRow("text") << QByteArray("abc") << 42 << -1;
    QTest::newRow("true is no bool") << QByteArray("true") << 42 << -1;
    QTest::newRow("empty") << QByteArray() << 42 << -1;
}

void IniFileTest::readIntegerAndBool() {
    QFETCH(QByteArray, value);
    QFETCH(int, integer);
    QFETCH(int, boolean);
    const TIniFile ini(WriteFile("[s]\r\nk=" + value + "\r\n"));
    QCOMPARE(ini.ReadInteger("s", "k", 42), integer);
    if (boolean < 0) {
        QCOMPARE(ini.ReadBool("s", "k", true), true);
        QCOMPARE(ini.ReadBool("s", "k", false), false);
    } else {
        QCOMPARE(ini.ReadBool("s", "k", boolean == 0), boolean == 1);
    }
}

void IniFileTest::writeKeepsFileByteExact_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");
    const QByteArray crlf =
        "; settings\r\n[db]\r\nproviderIdx=0\r\n  Port = 1\r\n\r\n[Login]\r\n"
        "LastLoginId=sa\r\n";
    QTest::newRow("replace, key text kept")
        << crlf << "db"
        << "port" << QByteArray("5432")
        << QByteArray(
               "; settings\r\n[db]\r\nproviderIdx=0\r\n  Port =5432\r\n\r\n[Login]\r\n"
               "LastLoginId=sa\r\n");
    QTest::newRow("new key after the section's last key")
        << crlf << "db"
        << "mssqlDb" << QByteArray("stock")
        << QByteArray(
               "; settings\r\n[db]\r\nproviderIdx=0\r\n  Port = 1\r\nmssqlDb=stock\r\n"
               "\r\n[Login]\r\nLastLoginId=sa\r\n");
    QTest::newRow("new section at the end")
        << crlf << "publish"
        << "b" << QByteArray("X") << crlf + "[publish]\r\nb=X\r\n";
    QTest::newRow("LF file keeps LF, last line closed")
        << QByteArray("[db]\nproviderIdx=1") << "Login"
        << "LastLoginId" << QByteArray("sa")
        << QByteArray("[db]\nproviderIdx=1\n[Login]\nLastLoginId=sa\n");
    QTest::newRow("key into a last section without line end")
        << QByteArray("[db]\r\nproviderIdx=1") << "db"
        << "defaultCon" << QByteArray("1")
        << QByteArray("[db]\r\nproviderIdx=1\r\ndefaultCon=1\r\n");
    QTest::newRow("new file is CRLF")
        << QByteArray() << "db"
        << "providerIdx" << QByteArray("1") << QByteArray("[db]\r\nproviderIdx=1\r\n");
    QTest::newRow("empty section")
        << QByteArray("[db]\r\n[Login]\r\n") << "db"
        << "k" << QByteArray("v") << QByteArray("[db]\r\nk=v\r\n[Login]\r\n");
}

void IniFileTest::writeKeepsFileByteExact() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        WriteFile(before);
    TIniFile ini(path_);
    QVERIFY(ini.WriteBytes(section, key, value));
    QVERIFY(ini.UpdateFile());
    QCOMPARE(ReadFile(), after);
    QCOMPARE(TIniFile(path_).ReadBytes(section, key), value);
}

void IniFileTest::unchangedFileIsNotRewritten() {
    const QByteArray odd = "[db]\r\nproviderIdx=1\nmixed=ends\r\n   \r\n";
    WriteFile(odd);
    TIniFile ini(path_);
    ini.WriteInteger("db", "providerIdx", 1);  // the same value
    QFile::remove(path_);
    QVERIFY(ini.UpdateFile());
    QVERIFY(!QFile::exists(path_));
    QCOMPARE(ini.Contents(), odd);
}

void IniFileTest::bytesRoundTrip() {
    // Bytes that are not text: blanks at both ends, control and high bytes, invalid GBK.
    QByteArray value(" \x01\x1f\x7f\x80\xff\xa1=;[x] ", 13);
    {
        TIniFile ini(path_);
        QVERIFY(ini.WriteBytes("db", "mssqlPw", value));
        QVERIFY(ini.UpdateFile());
    }
    QCOMPARE(ReadFile(), "[db]\r\nmssqlPw=" + value + "\r\n");
    QCOMPARE(TIniFile(path_).ReadBytes("db", "mssqlPw"), value);
}

void IniFileTest::lineBreakInValueIsRefused() {
    TIniFile ini(path_);
    QVERIFY(ini.WriteString("db", "a", "kept"));
    QVERIFY(!ini.WriteBytes("db", "b", "two\nlines"));
    QVERIFY(!ini.WriteBytes("db", "a", "two\rlines"));
    QCOMPARE(ini.ReadString("db", "a"), QStringLiteral("kept"));
    QVERIFY(!ini.ValueExists("db", "b"));
}

void IniFileTest::textIsGbkOnDisk() {
    const QString text = QStringLiteral("仓库管理");
    {
        TIniFile ini(path_);
        QVERIFY(ini.WriteString("db", "mssqlDb", text));
        QVERIFY(ini.UpdateFile());
    }
    QCOMPARE(ReadFile(), "[db]\r\nmssqlDb=" + GbkBytes(text) + "\r\n");
    QCOMPARE(GbkBytes(text).size(), 8);
    QCOMPARE(TIniFile(path_).ReadString("db", "mssqlDb"), text);
}

LUMORA_TEST_MAIN(IniFileTest)
#include "tst_inifile.moc"
