#include <QtTest/QTest>

#include "documents/BillLineSet.h"
#include "support/TestSupport.h"

namespace {

RPutindl Line(qint64 dlId, qint64 ware, QVariant qty, QVariant price) {
    RPutindl l;
    l.dlId = dlId;
    l.MastId = 7;
    l.WareId = ware;
    l.WareCode = QStringLiteral("W%1").arg(ware);
    l.WareName = QStringLiteral("品%1").arg(ware);
    l.WareInPrice = 1.5;
    l.WareCostId = 2;
    l.Qty = qty;
    l.Price = price;
    if (!qty.isNull() && !price.isNull())
        l.Fund = qty.toDouble() * price.toDouble();
    l.dlNote = QStringLiteral("备%1").arg(ware);
    return l;
}

}  // namespace

class BillLineSetTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsNullsAndOrder();
    void readingPostsEditAndKeepsCurrentRow();
    void writingReplacesRowsAndGoesFirst();
    void countsCarryBookAndCountedQuantity();
};

void BillLineSetTest::roundTripKeepsNullsAndOrder() {
    TPutindlSet set;
    const RPutindls lines{Line(3, 1, 2.0, 4.5), Line(0, 2, QVariant(), QVariant()),
                          Line(1, 3, 1.0, 0.0)};
    set.SetAsDatas(lines);
    const RPutindls back = set.AsDatas();
    QCOMPARE(back.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(back[i].dlId, lines[i].dlId);
        QCOMPARE(back[i].WareId, lines[i].WareId);
        QCOMPARE(back[i].WareName, lines[i].WareName);
        QCOMPARE(back[i].WareCostId, 2);
        QCOMPARE(back[i].WareInPrice.toDouble(), 1.5);
        QVERIFY(back[i].WareOutPrice.isNull());
        QCOMPARE(back[i].Qty.isNull(), lines[i].Qty.isNull());
        QCOMPARE(back[i].Price.isNull(), lines[i].Price.isNull());
        QCOMPARE(back[i].Fund.toDouble(), lines[i].Fund.toDouble());
        QCOMPARE(back[i].dlNote, lines[i].dlNote);
    }
    QCOMPARE(set.FundFld->DisplayFormat, QStringLiteral("0.00"));
}

void BillLineSetTest::readingPostsEditAndKeepsCurrentRow() {
    TTakeoutdlSet set;
    set.SetAsDatas({Line(1, 1, 1.0, 1.0), Line(2, 2, 2.0, 1.0), Line(3, 3, 3.0, 1.0)});
    set.MoveTo(1);
    set.QtyFld->SetValue(20.0);  // an edit not yet posted
    const RTakeoutdls back = set.AsDatas();
    QCOMPARE(back[1].Qty.toDouble(), 20.0);
    QVERIFY(!set.Editing());
    QCOMPARE(set.RecNo(), 1);
    QCOMPARE(set.WareIdFld->AsInteger(), 2);
    TMovedlSet empty;
    QVERIFY(empty.AsDatas().isEmpty());
}

void BillLineSetTest::writingReplacesRowsAndGoesFirst() {
    TMovedlSet set;
    set.SetAsDatas({Line(1, 1, 1.0, 1.0), Line(2, 2, 2.0, 1.0)});
    set.Last();
    set.SetAsDatas({Line(9, 3, 5.0, 2.0)});
    QCOMPARE(set.RecordCount(), 1);
    QCOMPARE(set.RecNo(), 0);
    QCOMPARE(set.dlIdFld->AsInteger(), 9);
    set.SetAsDatas({});
    QVERIFY(set.IsEmpty());
}

void BillLineSetTest::countsCarryBookAndCountedQuantity() {
    TRegulatedlSet set;
    RRegulatedl l;
    static_cast<RPutindl&>(l) = Line(4, 1, -2.0, 3.0);
    l.BookQty = 10.0;
    l.ReguQty = 8.0;
    set.SetAsDatas({l});
    const RRegulatedls back = set.AsDatas();
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0].BookQty.toDouble(), 10.0);
    QCOMPARE(back[0].ReguQty.toDouble(), 8.0);
    QCOMPARE(back[0].Qty.toDouble(), -2.0);
    QCOMPARE(back[0].Fund.toDouble(), -6.0);
    QCOMPARE(set.QtyFld->DisplayLabel, QStringLiteral("损溢数量"));
    QVERIFY(TPutindlSet().BookQtyFld == nullptr);
}

LUMORA_TEST_MAIN(BillLineSetTest)
#include "tst_billlineset.moc"
