#include "documents/StockBillWhere.h"

#include "documents/DocumentColumns.h"
#include "masterdata/Captions.h"

TWhereText StockBillConditions(const TDialect& dialect, const RStockBillWhere& w,
                               const QString& partnerColumn, int partnerId, int typeId,
                               TBillListForm form, const QString& header,
                               const QString& lineTable) {
    const bool documents = form == TBillListForm::Documents;
    const QString h = header + QLatin1Char('.');
    TWhereText where(dialect);
    if (documents && !w.BillId.isNull())
        where.AddEquals(h + QStringLiteral("Id"), w.BillId.toLongLong());
    if (!w.BeginDate.isNull())
        where.AddDateFrom(QStringLiteral("BizDate"), w.BeginDate.toDate());
    if (!w.EndDate.isNull())
        where.AddDateTo(QStringLiteral("BizDate"), w.EndDate.toDate());
    where.AddContains(h + QStringLiteral("Code"), w.Code);
    where.AddContains(QStringLiteral("UserCode"), w.UserCode);
    where.AddContains(QStringLiteral("BatchNo"), w.BatchNo);
    where.AddContains(h + QStringLiteral("[Note]"), w.Note);
    if (!documents)
        where.AddContains(QStringLiteral("[dlNote]"), w.dlNote);
    auto id = [&](const QString& column, int value) {
        if (value > 0)
            where.AddEquals(column, value);
    };
    id(partnerColumn, partnerId);
    id(QStringLiteral("DeptId"), w.Dept.Id);
    id(QStringLiteral("HouseId"), w.House.Id);
    id(QStringLiteral("HandmanId"), w.Handman.Id);
    id(QStringLiteral("TypeId"), typeId);

    TWhereText wares(dialect);
    TWhereText& target = documents ? wares : where;
    const QString ware = documents ? QString() : QStringLiteral("w.");
    target.AddContains(ware + QStringLiteral("LookId"), w.WareLookId);
    target.AddContains(ware + QStringLiteral("Code"), w.WareCode);
    target.AddContains(ware + QStringLiteral("Name"), w.WareName);
    target.AddContains(ware + QStringLiteral("PartNo"), w.WarePartNo);
    target.AddContains(ware + QStringLiteral("Package"), w.WarePackage);
    target.AddContains(ware + QStringLiteral("Location"), w.WareLocation);
    if (documents) {
        TWhereText lines(dialect);
        lines.AddContains(QStringLiteral("[dlNote]"), w.dlNote);
        DocumentColumns::AddLineSubSelects(where, h + QStringLiteral("Id"), lineTable, wares,
                                           &lines);
    }
    return where;
}

TStockBillWhere::TStockBillWhere(const QString& partner, const QString& partnerCaption,
                                 const QString& beginCaption, const QString& lookIdCaption,
                                 QObject* parent)
    : TCustomWhere(parent) {
    const TCaptions& c = AppCaptions();
    auto text = [this](const QString& name, int size, const QString& caption) {
        return AddFieldDef(TFieldKind::Text, name, size, true, caption);
    };
    auto id = [this](const QString& name) { return AddField(TFieldKind::Integer, name, false); };
    TopRecordFld = id(QStringLiteral("TopRecord"));
    BillIdFld = id(QStringLiteral("BillId"));
    BeginDateFld = AddField(TFieldKind::DateTime, QStringLiteral("BeginDate"), true, beginCaption);
    EndDateFld =
        AddField(TFieldKind::DateTime, QStringLiteral("EndDate"), true, QStringLiteral("截止日期"));
    CodeFld = text(QStringLiteral("Code"), 30, QStringLiteral("编号"));
    UserCodeFld = text(QStringLiteral("UserCode"), 30, QStringLiteral("单号"));
    BatchNoFld = text(QStringLiteral("BatchNo"), 30, c.BatchNo);
    NoteFld = text(QStringLiteral("Note"), 50, QStringLiteral("备注(主)"));
    dlNoteFld = text(QStringLiteral("dlNote"), 50, QStringLiteral("备注(细)"));
    WareLookIdFld = text(QStringLiteral("WareLookId"), 20, lookIdCaption);
    WareCodeFld = text(QStringLiteral("WareCode"), 50, QStringLiteral("货号"));
    WareNameFld = text(QStringLiteral("WareName"), 50, c.WareName);
    WarePartNoFld = text(QStringLiteral("WarePartNo"), 200, c.WarePartNo);
    WarePackageFld = text(QStringLiteral("WarePackage"), 50, c.WarePackage);
    WareLocationFld = text(QStringLiteral("WareLocation"), 50, c.WareLocation);
    PartnerIdFld = id(partner + QStringLiteral("Id"));
    PartnerNameFld = text(partner + QStringLiteral("Name"), 50, partnerCaption);
    DeptIdFld = id(QStringLiteral("DeptId"));
    DeptNameFld = text(QStringLiteral("DeptName"), 50, QStringLiteral("部门"));
    HouseIdFld = id(QStringLiteral("HouseId"));
    HouseNameFld = text(QStringLiteral("HouseName"), 50, QStringLiteral("仓库"));
    TypeIdFld = id(QStringLiteral("TypeId"));
    TypeNameFld = text(QStringLiteral("TypeName"), 50, QStringLiteral("类型"));
    HandmanIdFld = id(QStringLiteral("HandmanId"));
    HandmanNameFld = text(QStringLiteral("HandmanName"), 50, QStringLiteral("经手人"));
    Reset();
}

void TStockBillWhere::AssignFrom(const RStockBillWhere& w, const RClient& partner,
                                 const RNamedRow& type) {
    Reset();
    TopRecordFld->SetValue(w.TopRecord);
    BillIdFld->SetValue(w.BillId);
    BeginDateFld->SetValue(w.BeginDate);
    EndDateFld->SetValue(w.EndDate);
    CodeFld->SetValue(w.Code);
    UserCodeFld->SetValue(w.UserCode);
    BatchNoFld->SetValue(w.BatchNo);
    NoteFld->SetValue(w.Note);
    dlNoteFld->SetValue(w.dlNote);
    WareLookIdFld->SetValue(w.WareLookId);
    WareCodeFld->SetValue(w.WareCode);
    WareNameFld->SetValue(w.WareName);
    WarePartNoFld->SetValue(w.WarePartNo);
    WarePackageFld->SetValue(w.WarePackage);
    WareLocationFld->SetValue(w.WareLocation);
    PartnerIdFld->SetValue(partner.Id);
    PartnerNameFld->SetValue(partner.Name);
    DeptIdFld->SetValue(w.Dept.Id);
    DeptNameFld->SetValue(w.Dept.Name);
    HouseIdFld->SetValue(w.House.Id);
    HouseNameFld->SetValue(w.House.Name);
    TypeIdFld->SetValue(type.Id);
    TypeNameFld->SetValue(type.Name);
    HandmanIdFld->SetValue(w.Handman.Id);
    HandmanNameFld->SetValue(w.Handman.Name);
    Post();
}
