#include <QDateEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>

#include "data/NumberFormats.h"
#include "support/StockFixture.h"
#include "support/UiTestMain.h"
#include "valuation/ui/CarrierFrm.h"

class CarrierFrmTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void texts();
    void confirmThenCarry_data();
    void confirmThenCarry();

private:
    TDatabase* db_ = nullptr;
};

void CarrierFrmTest::init() {
    db_ = new TDatabase(QStringLiteral("t_carrierfrm"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    SetNumberFormats(0, 2);
    TStockFixture f(*db_);
    f.Ware(1, 1);
    f.Ware(2, 2);
    f.Lines(1, QStringLiteral("+3@33.333=100"), QDate(2021, 1, 1));
    f.Lines(2, QStringLiteral("+2@1"), QDate(2021, 3, 1));
}

void CarrierFrmTest::cleanup() {
    delete db_;
}

void CarrierFrmTest::texts() {
    TCarrierFrm frm(nullptr, db_);
    QCOMPARE(frm.objectName(), QStringLiteral("CarrierFrm"));
    QCOMPARE(frm.windowTitle(), QStringLiteral("结转"));
    QCOMPARE(frm.edtEndDate1->date(), QDate::currentDate());
    QVERIFY(frm.memWarning1->isReadOnly());
    const QStringList lines = frm.memWarning1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("警告："));
    QCOMPARE(lines.value(2), QStringLiteral("1.先根据截止日期统计库存及单价并作为期初数据；"));
    QCOMPARE(lines.value(1), QString());
    QCOMPARE(lines.last(), QStringLiteral("数据备份。"));
    QCOMPARE(frm.OkButton()->text(), QStringLiteral("结转"));
    QCOMPARE(frm.CancelButton()->text(), QStringLiteral("取消"));
}

void CarrierFrmTest::confirmThenCarry_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined") << false;
}

void CarrierFrmTest::confirmThenCarry() {
    QFETCH(bool, confirmed);
    PromptRecorder prompts;
    prompts.Answers << confirmed;
    TCarrierFrm frm(nullptr, db_);
    frm.edtEndDate1->setDate(QDate(2021, 1, 31));
    QCOMPARE(frm.RunCarry(), confirmed);
    QCOMPARE(prompts.Prompts.first().first, TPromptKind::Confirm);
    QVERIFY(
        prompts.Prompts.first().second.contains(QStringLiteral("确定要结转至 2021-01-31 吗?\t")));
    TStockFixture f(*db_);
    if (confirmed) {
        QCOMPARE(prompts.Prompts.size(), 2);
        QCOMPARE(prompts.Prompts.last().first, TPromptKind::Info);
        QVERIFY(prompts.Last().contains(QStringLiteral("结转操作成功!")));
        QCOMPARE(frm.pbProgress1->maximum(), 2);
        QCOMPARE(frm.pbProgress1->value(), 0);
        QCOMPARE(f.Count(QStringLiteral("carrydl")), 1);
        QCOMPARE(f.Count(QStringLiteral("putin")), 1);  // the later one
    } else {
        QCOMPARE(prompts.Prompts.size(), 1);
        QCOMPARE(f.Count(QStringLiteral("carry")), 0);
        QCOMPARE(f.Count(QStringLiteral("putin")), 2);
    }
}

LUMORA_UI_TEST_MAIN(CarrierFrmTest)
#include "ui_carrierfrm.moc"
