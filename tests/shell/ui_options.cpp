#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTabWidget>
#include <QtTest/QTest>

#include "data/NumberFormats.h"
#include "masterdata/Captions.h"
#include "shell/KeyValue.h"
#include "shell/LoadAppSettings.h"
#include "shell/PickListSet.h"
#include "shell/ui/OptionEdtFrm.h"
#include "shell/ui/PickListFrm.h"
#include "support/UiTestMain.h"

namespace {

QVariant Scalar(const QString& sql) {
    TDatabase& db = AppDatabase();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    return q.next() ? q.value(0) : QVariant();
}

}  // namespace

// The options and pick list windows: what they show and what their OK stores.
class OptionWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void optionsShowStoredValues();
    void optionsOkStoresEverything();
    void optionsCancelStoresNothing();
    void pickListsOnEmptyTable();
    void pickListsOkAndCancel();
};

void OptionWindowsTest::initTestCase() {
    QVERIFY(OpenFreshTestDatabase(AppDatabase()));
    LoadAppSettings();
}

void OptionWindowsTest::optionsShowStoredValues() {
    TKeyValue& kv = AppKeyValue();
    kv.SetValue(15, 1);
    kv.SetValue(6, 3);
    kv.SetValue(9, 2);
    kv.SetValue(18, 9);  // no such entry: the first is shown
    kv.SetValue(40, false);
    AppCaptions().ClientWord = QStringLiteral("收货单位");
    AppCaptions().ClientTel = QStringLiteral("电话");
    TOptionEdtFrm frm;
    QCOMPARE(frm.objectName(), QStringLiteral("OptionEdtFrm"));
    QCOMPARE(frm.pageControl1->count(), 4);
    QCOMPARE(frm.pageControl1->currentIndex(), 0);
    QCOMPARE(frm.pageControl1->tabText(2), QStringLiteral("收货单位"));
    QCOMPARE(frm.cbNegative1->currentText(), QStringLiteral("当出现负库存后提醒"));
    QCOMPARE(frm.spnQty1->value(), 3);
    QCOMPARE(frm.cbTakeoutPrice1->currentText(), QStringLiteral("引用库存单价"));
    QCOMPARE(frm.cbMovePrice1->currentIndex(), 0);
    QCOMPARE(frm.cbMovePrice1->currentText(), QStringLiteral("手动填入"));
    QCOMPARE(frm.cbPutinPrice1->itemText(4), QStringLiteral("通过入库金额及数量计算"));
    QVERIFY(!frm.chkDuplicate1->isChecked());
    QCOMPARE(frm.CaptionBox(24)->text(), QStringLiteral("电话"));
    QCOMPARE(frm.CaptionBox(14)->text(), QStringLiteral("批号"));
    QVERIFY(frm.CaptionBox(15) == nullptr);
}

void OptionWindowsTest::optionsOkStoresEverything() {
    TOptionEdtFrm frm;
    frm.show();
    frm.cbNegative1->setCurrentIndex(2);
    frm.spnQty1->setValue(2);
    frm.spnPrice1->setValue(4);
    frm.cbPutinPrice1->setCurrentIndex(3);
    frm.cbRegulatePrice1->setCurrentIndex(4);
    frm.chkDuplicate1->setChecked(true);
    frm.CaptionBox(10)->setText(QStringLiteral("货名"));
    frm.CaptionBox(34)->setText(QStringLiteral("说明"));
    frm.OkButton()->click();
    QVERIFY(!frm.isVisible());
    TKeyValue& kv = AppKeyValue();
    QCOMPARE(kv.GetInt(15, -1), 2);
    QCOMPARE(kv.GetInt(6, -1), 2);
    QCOMPARE(kv.GetInt(7, -1), 4);
    QCOMPARE(kv.GetInt(8, -1), 3);
    QCOMPARE(kv.GetInt(19, -1), 4);
    QCOMPARE(kv.GetInt(18, -1), 0);
    QCOMPARE(kv.GetBool(40, false), true);
    QCOMPARE(kv.GetStr(10, QString()), QStringLiteral("货名"));
    QCOMPARE(kv.GetStr(34, QString()), QStringLiteral("说明"));
    QCOMPARE(kv.GetStr(24, QString()), QStringLiteral("电话"));
    // The number formats follow at once; captions wait for the next start.
    QCOMPARE(QtyFormat, QStringLiteral("0.00"));
    QCOMPARE(PriceFormat, QStringLiteral("0.0000"));
    QCOMPARE(AppCaptions().WareName, QStringLiteral("品名"));
}

void OptionWindowsTest::optionsCancelStoresNothing() {
    AppKeyValue().SetValue(7, 1);
    TOptionEdtFrm frm;
    frm.show();
    frm.spnPrice1->setValue(5);
    frm.CancelButton()->click();
    QCOMPARE(AppKeyValue().GetInt(7, -1), 1);
}

void OptionWindowsTest::pickListsOnEmptyTable() {
    AppDatabase().Execute(QStringLiteral("delete from options"));
    AppCaptions().WareBrand = QStringLiteral("厂牌");
    TPickListFrm frm;
    QCOMPARE(frm.objectName(), QStringLiteral("PickListFrm"));
    QCOMPARE(frm.lstKinds1->count(), 6);
    QCOMPARE(frm.lstKinds1->item(4)->text(), QStringLiteral("厂牌"));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from options")).toInt(), 6);
    QCOMPARE(Scalar(QStringLiteral("select min([Key]) from options")).toInt(), 1);
    QCOMPARE(Scalar(QStringLiteral("select max([Key]) from options")).toInt(), 6);
    QCOMPARE(frm.memList1->toPlainText(), QString());
}

void OptionWindowsTest::pickListsOkAndCancel() {
    {
        TPickListFrm frm;
        frm.show();
        frm.memList1->setPlainText(QStringLiteral("个\n箱"));
        frm.lstKinds1->setCurrentRow(3);
        frm.memList1->setPlainText(QStringLiteral("1206\n0805"));
        frm.lstKinds1->setCurrentRow(0);
        QCOMPARE(frm.memList1->toPlainText(), QStringLiteral("个\n箱"));
        frm.lstKinds1->setCurrentRow(5);
        frm.memList1->setPlainText(QStringLiteral("DIP"));  // kept by OK while still shown
        frm.OkButton()->click();
    }
    TOptions options;
    QVERIFY(options.Load());
    QCOMPARE(options.GetList(0), QStringLiteral("个\n箱"));
    QCOMPARE(options.GetList(3), QStringLiteral("1206\n0805"));
    QCOMPARE(options.GetList(5), QStringLiteral("DIP"));
    QCOMPARE(AppPickLists().GetList(3), QStringLiteral("1206\n0805"));
    {
        TPickListFrm frm;
        frm.show();
        frm.memList1->setPlainText(QStringLiteral("丢弃"));
        frm.CancelButton()->click();
    }
    QCOMPARE(Scalar(QStringLiteral("select List from options where [Key]=1")).toString(),
             QStringLiteral("个\n箱"));
}

LUMORA_UI_TEST_MAIN(OptionWindowsTest)
#include "ui_options.moc"
