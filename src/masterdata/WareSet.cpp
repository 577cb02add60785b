#include "masterdata/WareSet.h"

#include <QSqlQuery>

#include "data/WhereText.h"
#include "masterdata/Captions.h"
#include "masterdata/CostTypeSet.h"
#include "masterdata/MasterSet.h"
#include "masterdata/WareWhere.h"

namespace {

const TMasterSql& Sql() {
    static const TMasterSql sql = {
        QStringLiteral("ware"),
        QStringLiteral(
            "insert into ware(Id,ClassId,Code,Name,PartNo,Brand,Package,Barcode,LookId,Unit,"
            "InPrice,OutPrice,MinQty,MaxQty,Location,[Note],CostId)values(:Id,:ClassId,:Code,"
            ":Name,:PartNo,:Brand,:Package,:Barcode,:LookId,:Unit,:InPrice,:OutPrice,:MinQty,"
            ":MaxQty,:Location,:Note,:CostId)"),
        QStringLiteral(
            "update ware set ClassId=:ClassId,Code=:Code,Name=:Name,PartNo=:PartNo,Brand=:Brand,"
            "Package=:Package,Barcode=:Barcode,LookId=:LookId,Unit=:Unit,InPrice=:InPrice,"
            "OutPrice=:OutPrice,MinQty=:MinQty,MaxQty=:MaxQty,Location=:Location,[Note]=:Note,"
            "CostId=:CostId where Id=:Id"),
        QStringLiteral("delete from Ware where Id=:Id")};
    return sql;
}

const QString DuplicateSql = QStringLiteral(
    "select Id from ware where Code=:Code and Name=:Name  and PartNo=:PartNo and Brand=:Brand "
    "and Package=:Package and Id<>:Id");

QVariant IdOrNull(const QVariant& v) {
    return v.isNull() ? QVariant(QMetaType::fromType<int>()) : QVariant(v.toInt());
}

QVariant NumberOrNull(const QVariant& v) {
    return v.isNull() ? QVariant(QMetaType::fromType<double>()) : QVariant(v.toDouble());
}

QVariant FieldOrNull(const TField* f, bool integer) {
    if (f->IsNull())
        return QVariant();
    return integer ? QVariant(int(f->AsInteger())) : QVariant(f->AsFloat());
}

}  // namespace

TWareSet::TWareSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent),
      costTypes_(new TCostTypeSet(database, this)),
      where_(new TWareWhere(this)) {
    const TCaptions& c = AppCaptions();
    auto text = [this](const char* name, int size, const QString& caption, bool visible = true) {
        return AddField(TFieldKind::Text, QLatin1String(name), size, visible, caption);
    };
    auto number = [this](const char* name, const QString& caption) {
        return AddField(TFieldKind::Float, QLatin1String(name), -1, true, caption);
    };
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    ClassIdFld = AddField(TFieldKind::Integer, QStringLiteral("ClassId"), -1, false);
    cataCodeFld_ = text("CataCode", 50, QString(), false);
    CataNameFld = text("CataName", 50, QStringLiteral("类别"));
    CataPathFld = text("CataPath", 250, QStringLiteral("分类"));
    LookIdFld = text("LookId", 20, QStringLiteral("助查码"));
    CodeFld = text("Code", 30, c.WareCode);
    NameFld = text("Name", 30, c.WareName);
    PartNoFld = text("PartNo", 200, c.WarePartNo);
    BrandFld = text("Brand", 30, c.WareBrand);
    PackageFld = text("Package", 20, c.WarePackage);
    BarcodeFld = text("Barcode", 20, c.WareBarcode);
    UnitFld = text("Unit", 10, QStringLiteral("单位"));
    InPriceFld = number("InPrice", QStringLiteral("入库价"));
    OutPriceFld = number("OutPrice", QStringLiteral("出库价"));
    MinQtyFld = number("MinQty", QStringLiteral("库存下限"));
    MaxQtyFld = number("MaxQty", QStringLiteral("库存上限"));
    CostIdFld = AddField(TFieldKind::Integer, QStringLiteral("CostId"), -1, false,
                         QStringLiteral("成本法代码"));
    CostNameFld = CreateCalcField(TFieldKind::Text, QStringLiteral("CostName"), true,
                                  QStringLiteral("成本核算法"));
    CostNameFld->DisplayWidth = 75;
    LocationFld = text("Location", 50, c.WareLocation);
    NoteFld = text("Note", 50, QStringLiteral("备注"));
    SetOnCalcFields([this](TDataSet&) {
        CostNameFld->SetValue(CostIdFld->IsNull() ? QString()
                                                  : costTypes_->NameOf(CostIdFld->AsInteger()));
    });
    costTypes_->Open();
}

TWareSet::~TWareSet() = default;

int TWareSet::Open() {
    where_->Reset();
    return Query();
}

int TWareSet::Query() {
    const QString condition = where_->SqlText(Database()->Dialect());
    const QString wherePart =
        condition.isEmpty() ? QString() : QStringLiteral(" where ") + condition;
    return OpenSql(QStringLiteral("select w.*, c.Code as CataCode, c.Name as CataName, c.Name as "
                                  "CataPath  from (Ware w left join wareclass c on "
                                  "w.ClassId=c.Id) %1 order by w.Id")
                       .arg(wherePart));
}

int TWareSet::Search(const RWareWhere& where) {
    where_->Assign(where);
    return Query();
}

bool TWareSet::SelectById(int id) {
    where_->Reset();
    where_->IdFld->SetValue(id);
    return Query() == 1;
}

void TWareSet::ApplyFilter(TWareWhere& where) {
    ::ApplyFilter(*this, where.FilterText());
}

void TWareSet::SetSlot(int slot, const QString& condition) {
    slots_[size_t(slot)] = condition;
    if (!Active())
        return;
    QStringList filled;
    for (const QString& s : slots_)
        if (!s.isEmpty())
            filled << s;
    ::ApplyFilter(*this, filled.join(QStringLiteral(" and ")));
}

void TWareSet::SetClassId(const QString& classCode) {
    SetSlot(0,
            TWhereText::ClientFilter().AddStartsWith(QStringLiteral("CataCode"), classCode).Text());
}

void TWareSet::SetLookId(const QString& text) {
    SetSlot(1, TWhereText::ClientFilter().AddContains(QStringLiteral("LookId"), text).Text());
}

void TWareSet::SetWareName(const QString& text) {
    SetSlot(2, TWhereText::ClientFilter().AddContains(QStringLiteral("Name"), text).Text());
}

void TWareSet::SetPartNo(const QString& text) {
    SetSlot(3, TWhereText::ClientFilter().AddContains(QStringLiteral("PartNo"), text).Text());
}

void TWareSet::SetWareCode(const QString& text) {
    SetSlot(4, TWhereText::ClientFilter().AddContains(QStringLiteral("Code"), text).Text());
}

bool TWareSet::MoveToClass(const RWareCata& cata) {
    if (!Active() || IsEmpty())
        return false;
    const bool classified = cata.Id > 0;
    const QVariant classId = classified ? QVariant(cata.Id) : QVariant(QMetaType::fromType<int>());
    if (Database()->ExecSql(QStringLiteral("update ware set ClassId=:ClassId where Id=:Id"),
                            {DBParam(QStringLiteral("ClassId"), classId),
                             DBParam(QStringLiteral("Id"), int(IdFld->AsInteger()))}) != 1)
        return false;
    // An unclassified ware shows no class, as the query shows it; CataPath follows the class
    // name as the query gives it.
    Edit();
    ClassIdFld->SetValue(classified ? QVariant(cata.Id) : QVariant());
    cataCodeFld_->SetValue(classified ? cata.Code : QString());
    CataNameFld->SetValue(classified ? cata.Name : QString());
    CataPathFld->SetValue(classified ? cata.Name : QString());
    Post();
    return true;
}

RWare TWareSet::AsData() const {
    RWare r;
    r.Id = int(IdFld->AsInteger());
    r.ClassId = FieldOrNull(ClassIdFld, true);
    r.CataCode = cataCodeFld_->AsString();
    r.CataName = CataNameFld->AsString();
    r.CataPath = CataPathFld->AsString();
    r.LookId = LookIdFld->AsString();
    r.Code = CodeFld->AsString();
    r.Name = NameFld->AsString();
    r.PartNo = PartNoFld->AsString();
    r.Brand = BrandFld->AsString();
    r.Package = PackageFld->AsString();
    r.Barcode = BarcodeFld->AsString();
    r.Unit = UnitFld->AsString();
    r.InPrice = FieldOrNull(InPriceFld, false);
    r.OutPrice = FieldOrNull(OutPriceFld, false);
    r.MinQty = FieldOrNull(MinQtyFld, false);
    r.MaxQty = FieldOrNull(MaxQtyFld, false);
    r.Location = LocationFld->AsString();
    r.Note = NoteFld->AsString();
    r.CostId = int(CostIdFld->AsInteger());
    r.CostName = CostNameFld->AsString();
    return r;
}

void TWareSet::SetAsData(const RWare& r) {
    IdFld->SetValue(r.Id);
    ClassIdFld->SetValue(r.ClassId.isNull() ? QVariant() : QVariant(r.ClassId.toInt()));
    cataCodeFld_->SetValue(r.CataCode);
    CataNameFld->SetValue(r.CataName);
    CataPathFld->SetValue(r.CataPath);
    LookIdFld->SetValue(r.LookId);
    CodeFld->SetValue(r.Code);
    NameFld->SetValue(r.Name);
    PartNoFld->SetValue(r.PartNo);
    BrandFld->SetValue(r.Brand);
    PackageFld->SetValue(r.Package);
    BarcodeFld->SetValue(r.Barcode);
    UnitFld->SetValue(r.Unit);
    InPriceFld->SetValue(r.InPrice);
    OutPriceFld->SetValue(r.OutPrice);
    MinQtyFld->SetValue(r.MinQty);
    MaxQtyFld->SetValue(r.MaxQty);
    LocationFld->SetValue(r.Location);
    NoteFld->SetValue(r.Note);
    CostIdFld->SetValue(r.CostId);
}

void TWareSet::PutRecord(const RWare& record) {
    MasterRows::EditOrAppend(*this, record.Id);
    SetAsData(record);
    Post();
}

bool TWareSet::Save(RWare& r, QString& message, TDatabase& db) {
    using MasterRows::TextParam;
    TDBParameters params = {DBParam(QStringLiteral("Id"), r.Id),
                            DBParam(QStringLiteral("ClassId"), IdOrNull(r.ClassId)),
                            DBParam(QStringLiteral("Code"), TextParam(r.Code)),
                            DBParam(QStringLiteral("Name"), TextParam(r.Name)),
                            DBParam(QStringLiteral("PartNo"), TextParam(r.PartNo)),
                            DBParam(QStringLiteral("Brand"), TextParam(r.Brand)),
                            DBParam(QStringLiteral("Package"), TextParam(r.Package)),
                            DBParam(QStringLiteral("Barcode"), TextParam(r.Barcode)),
                            DBParam(QStringLiteral("LookId"), TextParam(r.LookId)),
                            DBParam(QStringLiteral("Unit"), TextParam(r.Unit)),
                            DBParam(QStringLiteral("InPrice"), NumberOrNull(r.InPrice)),
                            DBParam(QStringLiteral("OutPrice"), NumberOrNull(r.OutPrice)),
                            DBParam(QStringLiteral("MinQty"), NumberOrNull(r.MinQty)),
                            DBParam(QStringLiteral("MaxQty"), NumberOrNull(r.MaxQty)),
                            DBParam(QStringLiteral("Location"), TextParam(r.Location)),
                            DBParam(QStringLiteral("Note"), TextParam(r.Note)),
                            DBParam(QStringLiteral("CostId"), r.CostId)};
    message.clear();
    auto unique = [&] {
        const TDBParameters key = {DBParam(QStringLiteral("Code"), TextParam(r.Code)),
                                   DBParam(QStringLiteral("Name"), TextParam(r.Name)),
                                   DBParam(QStringLiteral("PartNo"), TextParam(r.PartNo)),
                                   DBParam(QStringLiteral("Brand"), TextParam(r.Brand)),
                                   DBParam(QStringLiteral("Package"), TextParam(r.Package)),
                                   DBParam(QStringLiteral("Id"), r.Id)};
        QSqlQuery q = db.NewQuery();
        db.RunQuery(q, DuplicateSql, key, {}, true);
        if (!q.next())
            return true;
        message = QStringLiteral(
                      "\r\n对不起,已经存在该记录\t\t\r\n%1\r\n%2\r\n%3\r\n%4\r\n%5\r\n请检查确认Id="
                      "%6后重试!")
                      .arg(r.Code, r.Name, r.PartNo, r.Brand, r.Package,
                           QString::number(q.value(0).toLongLong()));
        return false;
    };
    return MasterRows::Save(db, Sql(), r.Id == 0, r.Id, params, unique);
}

bool TWareSet::Remove(int id, TDatabase& db) {
    return MasterRows::Remove(db, Sql(), id);
}

bool TWareSet::FindWare(int id, RWare& record, TDatabase& db) {
    TWareSet set(&db);
    if (!set.SelectById(id))
        return false;
    record = set.AsData();
    return true;
}
