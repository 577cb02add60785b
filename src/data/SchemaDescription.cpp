#include "data/SchemaDescription.h"

#include <QRegularExpression>

namespace {

constexpr TLogicalType I = TLogicalType::Integer;
constexpr TLogicalType N = TLogicalType::Counter;
constexpr TLogicalType F = TLogicalType::Float;
constexpr TLogicalType D = TLogicalType::DateTime;
constexpr TLogicalType B = TLogicalType::Boolean;
constexpr TLogicalType T = TLogicalType::Text;
constexpr TLogicalType M = TLogicalType::Memo;
constexpr TLogicalType X = TLogicalType::Binary;

QList<TTableDesc> BuildTables() {
    const QList<TColumnDesc> partner = {
        {"Id", I},   {"Name", T},   {"LookId", T},  {"TaxId", T}, {"Lawman", T},
        {"Bank", T}, {"BankId", T}, {"Linkman", T}, {"Tel", T},   {"Fax", T},
        {"Addr", T}, {"Zip", T},    {"Url", T},     {"Email", T}, {"Note", M},
    };
    const QList<TColumnDesc> kind = {{"Id", I}, {"Name", T}, {"Corp", B}, {"Dept", B}};
    const QList<TColumnDesc> sign = {{"Id", I}, {"Name", T}};
    const QList<TColumnDesc> lines = {{"dlId", I},  {"MastId", I}, {"WareId", I}, {"Qty", F},
                                      {"Price", F}, {"Fund", F},   {"dlNote", T}};
    const QList<TColumnDesc> audit = {{"Fund", F}, {"Billman", T},  {"BillTime", D},
                                      {"Note", T}, {"Checkman", T}, {"CheckTime", D}};
    auto document = [&](QList<TColumnDesc> head) { return head + audit; };

    return {
        {"warehouse", {{"Id", I}, {"Name", T}, {"Mgr", T}, {"Tel", T}, {"Note", T}}},
        {"wareclass",
         {{"Id", I}, {"Code", T}, {"Name", T}, {"Note", T}, {"SlfId", I}, {"PrtId", I}}},
        {"ware",
         {{"Id", I},
          {"ClassId", I},
          {"Code", T},
          {"Name", T},
          {"PartNo", T},
          {"Brand", T},
          {"Package", T},
          {"Barcode", T},
          {"LookId", T},
          {"Unit", T},
          {"InPrice", F},
          {"OutPrice", F},
          {"MinQty", F},
          {"MaxQty", F},
          {"Location", T},
          {"Note", T},
          {"CostId", I}}},
        {"supplier", partner},
        {"client", partner},
        {"department",
         {{"Id", I},
          {"Name", T},
          {"Manager", T},
          {"Tel", T},
          {"Fax", T},
          {"Address", T},
          {"Describe", M}}},
        {"employee", {{"Id", I}, {"Name", T}, {"Sex", T}, {"Tel", T}, {"Addr", T}, {"Note", M}}},
        {"putintype", kind},
        {"takeoutype", kind},
        {"putinsign", sign},
        {"takeoutsign", sign},
        {"costing", {{"Id", I}, {"Name", T}}},
        {"putin", document({{"Id", I},
                            {"Code", T},
                            {"UserCode", T},
                            {"BizDate", D},
                            {"HouseId", I},
                            {"SignId", I},
                            {"TypeId", I},
                            {"SupplierId", I},
                            {"DeptId", I},
                            {"HandmanId", I},
                            {"BatchNo", T}})},
        {"putindl", lines},
        {"takeout", document({{"Id", I},
                              {"Code", T},
                              {"UserCode", T},
                              {"BizDate", D},
                              {"HouseId", I},
                              {"SignId", I},
                              {"TypeId", I},
                              {"ClientId", I},
                              {"DeptId", I},
                              {"HandmanId", I},
                              {"BatchNo", T}})},
        {"takeoutdl", lines + QList<TColumnDesc>{{"Cost", F}}},
        {"move", document({{"Id", I},
                           {"Code", T},
                           {"UserCode", T},
                           {"BizDate", D},
                           {"InId", I},
                           {"OutId", I},
                           {"HandmanId", I}})},
        {"movedl", lines},
        {"regulate", document({{"Id", I},
                               {"Code", T},
                               {"UserCode", T},
                               {"BizDate", D},
                               {"HouseId", I},
                               {"HandmanId", I}})},
        {"regulatedl",
         {{"dlId", I},
          {"MastId", I},
          {"WareId", I},
          {"BookQty", F},
          {"ReguQty", F},
          {"Qty", F},
          {"Price", F},
          {"Fund", F},
          {"dlNote", T}}},
        {"carry", {{"Id", I}, {"EndDate", D}}},
        {"carrydl",
         {{"dlId", N},
          {"MastId", I},
          {"HouseId", I},
          {"WareId", I},
          {"Qty", F},
          {"Price", F},
          {"Fund", F}}},
        {"operator",
         {{"LoginId", T},
          {"Password", T},
          {"Name", T},
          {"Contact", T},
          {"Note", T},
          {"Rights", M},
          {"Menus", M},
          {"Houses", M}}},
        {"company",
         {{"Id", I},
          {"CompanyName", T},
          {"Manager", T},
          {"Tel", T},
          {"Fax", T},
          {"Address", T},
          {"Zip", T},
          {"Profile", M},
          {"Updated", B}}},
        {"keyvalue",
         {{"KeyId", I}, {"Value", T}, {"Vint", I}, {"Vstr", M}, {"Vfloat", F}, {"Vbool", B}}},
        {"options", {{"Key", I}, {"Label", T}, {"List", M}}},
        {"syscols", {{"F02", I}, {"F06", M}}},
        {"report", {{"Id", I}, {"GrpId", I}, {"Title", T}, {"Fr3File", X}}},
        {"link",
         {{"Id", N},
          {"GroupId", I},
          {"Title", T},
          {"lpFile", T},
          {"lpParameters", T},
          {"Note", T}}},
        {"backup", {{"TypeId", I}, {"BackDir", T}}},
        {"upgrade", {{"Id", I}, {"Version", T}, {"SqlText", M}}},
    };
}

}  // namespace

namespace Schema {

const QList<TTableDesc>& ExpectedTables() {
    static const QList<TTableDesc> tables = BuildTables();
    return tables;
}

const TTableDesc* FindTable(const QString& name) {
    for (const TTableDesc& t : ExpectedTables())
        if (t.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString TypeName(TLogicalType type) {
    switch (type) {
        case TLogicalType::Integer:
            return QStringLiteral("整数");
        case TLogicalType::Counter:
            return QStringLiteral("自动编号");
        case TLogicalType::Float:
            return QStringLiteral("浮点数");
        case TLogicalType::DateTime:
            return QStringLiteral("日期时间");
        case TLogicalType::Boolean:
            return QStringLiteral("是/否");
        case TLogicalType::Text:
            return QStringLiteral("文本");
        case TLogicalType::Memo:
            return QStringLiteral("长文本");
        case TLogicalType::Binary:
            return QStringLiteral("二进制");
        case TLogicalType::Integer64:
            return QStringLiteral("64位整数");
    }
    return QString();
}

std::optional<TLogicalType> LogicalTypeOf(TBackend backend, const QString& declaredType) {
    // "VARCHAR(50)" and "timestamp(0) without time zone" name their type without the sizes.
    static const QRegularExpression sizes(QStringLiteral("\\([^)]*\\)"));
    const QString t = QString(declaredType).remove(sizes).simplified().toLower();
    if (backend == TBackend::PostgreSQL) {
        if (t == QLatin1String("integer") || t == QLatin1String("smallint"))
            return TLogicalType::Integer;
        if (t == QLatin1String("bigint"))
            return TLogicalType::Integer64;
        if (t == QLatin1String("double precision") || t == QLatin1String("real") ||
            t == QLatin1String("numeric"))
            return TLogicalType::Float;
        if (t == QLatin1String("date") || t.startsWith(QLatin1String("timestamp")))
            return TLogicalType::DateTime;
        if (t == QLatin1String("boolean"))
            return TLogicalType::Boolean;
        if (t == QLatin1String("character varying") || t == QLatin1String("character"))
            return TLogicalType::Text;
        if (t == QLatin1String("text"))
            return TLogicalType::Memo;
        if (t == QLatin1String("bytea"))
            return TLogicalType::Binary;
        return std::nullopt;
    }
    // SQLite keeps the declared type as written.
    if (t == QLatin1String("integer") || t == QLatin1String("int") ||
        t == QLatin1String("smallint") || t == QLatin1String("tinyint") ||
        t == QLatin1String("mediumint"))
        return TLogicalType::Integer;
    if (t == QLatin1String("bigint") || t == QLatin1String("int8") ||
        t == QLatin1String("unsigned big int"))
        return TLogicalType::Integer64;
    if (t == QLatin1String("double") || t == QLatin1String("double precision") ||
        t == QLatin1String("real") || t == QLatin1String("float") ||
        t == QLatin1String("numeric") || t == QLatin1String("decimal"))
        return TLogicalType::Float;
    if (t == QLatin1String("datetime") || t == QLatin1String("date") ||
        t == QLatin1String("timestamp"))
        return TLogicalType::DateTime;
    if (t == QLatin1String("boolean") || t == QLatin1String("bool"))
        return TLogicalType::Boolean;
    if (t == QLatin1String("varchar") || t == QLatin1String("nvarchar") ||
        t == QLatin1String("char") || t == QLatin1String("nchar") ||
        t == QLatin1String("character") || t == QLatin1String("varying character") ||
        t == QLatin1String("native character"))
        return TLogicalType::Text;
    if (t == QLatin1String("text") || t == QLatin1String("clob") || t == QLatin1String("ntext"))
        return TLogicalType::Memo;
    if (t == QLatin1String("blob"))
        return TLogicalType::Binary;
    return std::nullopt;
}

bool TypesMatch(TLogicalType expected, TLogicalType actual) {
    auto integral = [](TLogicalType t) {
        return t == TLogicalType::Integer || t == TLogicalType::Counter;
    };
    return expected == actual || (integral(expected) && integral(actual));
}

}  // namespace Schema
