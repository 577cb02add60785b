#include <QtTest/QTest>

#include "masterdata/HouseRightSet.h"
#include "support/TestSupport.h"

class HouseRightSetTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hasHouseRight_data();
    void hasHouseRight();
    void readAndWriteAll();

private:
    void AddOperator(const QString& login, const QString& houses);
    TDatabase* db_ = nullptr;
};

void HouseRightSetTest::init() {
    db_ = new TDatabase(QStringLiteral("t_houserights"));
    QVERIFY(OpenFreshTestDatabase(*db_));
}

void HouseRightSetTest::cleanup() {
    delete db_;
    db_ = nullptr;
}

void HouseRightSetTest::AddOperator(const QString& login, const QString& houses) {
    db_->ExecSql(QStringLiteral("insert into [operator](LoginId, Houses) values(:L, :H)"),
                 {DBParam(QStringLiteral("L"), login), DBParam(QStringLiteral("H"), houses)});
}

void HouseRightSetTest::hasHouseRight_data() {
    QTest::addColumn<QString>("houses");
    QTest::addColumn<int>("house");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("granted");
    QTest::newRow("unrestricted") << "" << 5 << 0 << true;
    QTest::newRow("stock-in of 15") << ", 15.1." << 15 << 0 << true;
    QTest::newRow("15 does not grant 5") << ", 15.1." << 5 << 0 << false;
    QTest::newRow("5 does not grant 15") << ", 5.1." << 15 << 0 << false;
    QTest::newRow("no stock-out with stock-in only") << ", 15.1." << 15 << 1 << false;
    QTest::newRow("stock-out of 3") << ", 3.1., 3.2., 7.1." << 3 << 1 << true;
    QTest::newRow("stock-out of 7 not granted") << ", 3.1., 3.2., 7.1." << 7 << 1 << false;
    QTest::newRow("1.2. is not 1.1. of 2") << ", 1.2." << 2 << 0 << false;
    QTest::newRow("other kinds are free") << ", 15.1." << 5 << 2 << true;
}

void HouseRightSetTest::hasHouseRight() {
    QFETCH(QString, houses);
    QFETCH(int, house);
    QFETCH(int, kind);
    QFETCH(bool, granted);
    AddOperator(QStringLiteral("li"), houses);
    db_->ExecSql(QStringLiteral("update [operator] set Houses=:H where LoginId='sa'"),
                 {DBParam(QStringLiteral("H"), houses)});
    QCOMPARE(THouseRightSet::HasHouseRight(QStringLiteral("li"), house, kind, *db_), granted);
    QVERIFY(THouseRightSet::HasHouseRight(QStringLiteral("sa"), house, kind, *db_));
}

void HouseRightSetTest::readAndWriteAll() {
    AddOperator(QStringLiteral("li"), QStringLiteral(", 1.1."));
    AddOperator(QStringLiteral("wang"), QString());
    RHouseRights rights;
    THouseRightSet::ReadAllRights(rights, *db_);
    QCOMPARE(rights.size(), 2);
    for (RHouseRight& r : rights)
        r.Houses = r.LoginId == QLatin1String("li")
                       ? QString()
                       : THouseRightSet::Entry(2, 1) + THouseRightSet::Entry(2, 2);
    QVERIFY(THouseRightSet::WriteAllRights(rights, *db_));

    RHouseRight one;
    QVERIFY(THouseRightSet::ReadRights(QStringLiteral("wang"), one, *db_));
    QCOMPARE(one.Houses, QStringLiteral(", 2.1., 2.2."));
    QVERIFY(THouseRightSet::ReadRights(QStringLiteral("li"), one, *db_));
    QVERIFY(one.Houses.isEmpty());
    QVERIFY(!THouseRightSet::ReadRights(QStringLiteral("nobody"), one, *db_));
    QVERIFY(THouseRightSet::HasHouseRight(QStringLiteral("wang"), 2, 1, *db_));
    QVERIFY(!THouseRightSet::HasHouseRight(QStringLiteral("wang"), 1, 0, *db_));
}

LUMORA_TEST_MAIN(HouseRightSetTest)
#include "db_houserightset.moc"
