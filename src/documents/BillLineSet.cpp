#include "documents/BillLineSet.h"

#include "masterdata/Captions.h"
#include "masterdata/FundField.h"

TBillLineSet::TBillLineSet(int noteSize, bool counted, QObject* parent) : TQzClientDataSet(parent) {
    const TCaptions& c = AppCaptions();
    dlIdFld = AddField(TFieldKind::Integer, QStringLiteral("dlId"), false);
    MastIdFld = AddField(TFieldKind::Integer, QStringLiteral("MastId"), false);
    WareIdFld = AddField(TFieldKind::Integer, QStringLiteral("WareId"), false);
    WareCodeFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareCode"), 50, true, QStringLiteral("货号"));
    WareNameFld = AddFieldDef(TFieldKind::Text, QStringLiteral("WareName"), 50, true, c.WareName);
    WarePartNoFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WarePartNo"), 200, true, c.WarePartNo);
    WareBrandFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareBrand"), 50, true, c.WareBrand);
    WarePackageFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WarePackage"), 30, true, c.WarePackage);
    WareUnitFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareUnit"), 20, true, QStringLiteral("单位"));
    WareLocationFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareLocation"), 50, true, c.WareLocation);
    WareInPriceFld = AddField(TFieldKind::Float, QStringLiteral("WareInPrice"), true,
                              QStringLiteral("入库参考价"));
    WareOutPriceFld = AddField(TFieldKind::Float, QStringLiteral("WareOutPrice"), true,
                               QStringLiteral("出库参考价"));
    WareCostIdFld = AddField(TFieldKind::Integer, QStringLiteral("WareCostId"), false);
    if (counted) {
        BookQtyFld = AddField(TFieldKind::Float, QStringLiteral("BookQty"), true,
                              QStringLiteral("账面数量"));
        ReguQtyFld = AddField(TFieldKind::Float, QStringLiteral("ReguQty"), true,
                              QStringLiteral("盘点数量"));
    }
    QtyFld = AddField(TFieldKind::Float, QStringLiteral("Qty"), true,
                      counted ? QStringLiteral("损溢数量") : QStringLiteral("数量"));
    PriceFld = AddField(TFieldKind::Float, QStringLiteral("Price"), true, QStringLiteral("单价"));
    FundFld = TFundField::Apply(
        AddField(TFieldKind::Float, QStringLiteral("Fund"), true, QStringLiteral("金额")));
    dlNoteFld = AddFieldDef(TFieldKind::Text, QStringLiteral("dlNote"), noteSize, true,
                            QStringLiteral("备注"));
    CreateTable();
}
