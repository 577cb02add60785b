#include "masterdata/WareWhere.h"

#include "data/WhereText.h"
#include "masterdata/Captions.h"

const QString TWareWhere::AllWares = QStringLiteral("sys-all");
const QString TWareWhere::ClassifiedWares = QStringLiteral("sys-classed");
const QString TWareWhere::UnclassifiedWares = QStringLiteral("sys-nulled");

TWareWhere::TWareWhere(QObject* parent) : TCustomWhere(parent) {
    const TCaptions& c = AppCaptions();
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"));
    ClassIdFld = AddFieldDef(TFieldKind::Text, QStringLiteral("ClassId"), 50);
    CataCodeFld = AddFieldDef(TFieldKind::Text, QStringLiteral("CataCode"), 50);
    LookIdFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("LookId"), 50, true, QStringLiteral("助查码"));
    WareCodeFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareCode"), 50, true, QStringLiteral("货号"));
    WareNameFld = AddFieldDef(TFieldKind::Text, QStringLiteral("WareName"), 50, true, c.WareName);
    PartNoFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WarePartNo"), 200, true, c.WarePartNo);
    PackageFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WarePackage"), 50, true, c.WarePackage);
    BarCodeFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareBarcode"), 50, true, c.WareBarcode);
    LocationFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareLocation"), 50, true, c.WareLocation);
    Reset();
}

void TWareWhere::Assign(const RWareWhere& where) {
    Reset();
    IdFld->SetValue(where.Id);
    ClassIdFld->SetValue(where.Cata.Code);
    CataCodeFld->SetValue(where.Cata.Code);
    LookIdFld->SetValue(where.LookId);
    WareCodeFld->SetValue(where.WareCode);
    WareNameFld->SetValue(where.WareName);
    PartNoFld->SetValue(where.PartNo);
    PackageFld->SetValue(where.Package);
    BarCodeFld->SetValue(where.Barcode);
    LocationFld->SetValue(where.Location);
}

QString TWareWhere::SqlText(const TDialect& dialect) {
    return Build(false, dialect);
}

QString TWareWhere::FilterText() {
    return Build(true, TDialect());
}

QString TWareWhere::Build(bool client, const TDialect& dialect) {
    ApplyEdits();
    TWhereText w = client ? TWhereText::ClientFilter() : TWhereText(dialect);
    auto col = [client](const char* name) -> QString {
        return client ? QLatin1String(name) : QStringLiteral("w.") + QLatin1String(name);
    };
    const QString cata = CataCodeFld->AsString();
    if (cata == UnclassifiedWares)
        w.AddIsNull(col("ClassId"));
    else if (cata == ClassifiedWares)
        w.AddIsNotNull(col("ClassId"));
    else if (cata != AllWares)
        w.AddStartsWith(client ? QStringLiteral("CataCode") : QStringLiteral("c.Code"), cata);
    if (!client && !IdFld->IsNull())
        w.AddEquals(col("Id"), IdFld->AsInteger());
    w.AddContains(col("LookId"), LookIdFld->AsString());
    w.AddContains(col("Code"), WareCodeFld->AsString());
    w.AddContains(col("Name"), WareNameFld->AsString());
    w.AddContains(col("PartNo"), PartNoFld->AsString());
    w.AddContains(col("Package"), PackageFld->AsString());
    w.AddContains(col("BarCode"), BarCodeFld->AsString());
    if (client)
        w.AddContains(col("Location"), LocationFld->AsString());
    return w.Text();
}
