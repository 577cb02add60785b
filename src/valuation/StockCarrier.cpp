#include "valuation/StockCarrier.h"

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>
#include <exception>

#include "data/Abort.h"
#include "data/Database.h"
#include "data/NumberFormats.h"
#include "data/Prompt.h"

namespace {

const QStringList DocumentTables = {QStringLiteral("putin"),    QStringLiteral("putindl"),
                                    QStringLiteral("takeout"),  QStringLiteral("takeoutdl"),
                                    QStringLiteral("move"),     QStringLiteral("movedl"),
                                    QStringLiteral("regulate"), QStringLiteral("regulatedl"),
                                    QStringLiteral("carry"),    QStringLiteral("carrydl")};

const char* const DeleteDocuments[] = {
    "delete from putindl where MastId in (select Id from putin where BizDate<=%s)",
    "delete from putin where BizDate<=%s",
    "delete from takeoutdl where MastId in (select Id from takeout where BizDate<=%s)",
    "delete from takeout where BizDate<=%s",
    "delete from movedl where MastId in (select Id from move where BizDate<=%s)",
    "delete from move where BizDate<=%s",
    "delete from regulatedl where MastId in (select Id from regulate where BizDate<=%s)",
    "delete from regulate where BizDate<=%s",
};

// Opening balance rows go in with a few statements of many rows each. The values are numbers
// the calculation made, written with every digit a double holds.
class TCarryRowWriter {
public:
    TCarryRowWriter(TDatabase& db, int mastId) : db_(db), mastId_(mastId) {}
    void Add(int houseId, int wareId, double qty, double price, double fund) {
        values_ << QStringLiteral("(%1,%2,%3,%4,%5,%6)")
                       .arg(mastId_)
                       .arg(houseId)
                       .arg(wareId)
                       .arg(Number(qty), Number(price), Number(fund));
        if (values_.size() >= RowsPerStatement)
            Flush();
    }
    void Flush() {
        if (values_.isEmpty())
            return;
        db_.ExecSql(QStringLiteral("insert into carrydl (MastId, HouseId, WareId, Qty, Price, "
                                   "Fund)values") +
                    values_.join(QLatin1Char(',')));
        values_.clear();
    }

private:
    static QString Number(double v) { return QString::number(v == 0 ? 0.0 : v, 'g', 17); }
    static constexpr int RowsPerStatement = 500;
    TDatabase& db_;
    int mastId_;
    QStringList values_;
};

// The carry-over changes most pages of an SQLite file in one transaction. With the default
// page cache of a couple of megabytes SQLite writes changed pages out and reads them back
// many times before the commit; a larger cache for the length of the carry-over keeps them.
class TLargePageCache {
public:
    explicit TLargePageCache(TDatabase& db) : db_(db) {
        if (db_.Backend() != TBackend::SQLite)
            return;
        QSqlQuery q = db_.NewQuery();
        db_.RunQuery(q, QStringLiteral("PRAGMA cache_size"), {}, {}, true);
        if (!q.next())
            return;
        old_ = q.value(0).toLongLong();
        q.finish();
        db_.Execute(QStringLiteral("PRAGMA cache_size=-262144"));  // 256 MiB at most
        set_ = true;
    }
    ~TLargePageCache() {
        if (set_)
            db_.TryExecSql(QStringLiteral("PRAGMA cache_size=%1").arg(old_));
    }

private:
    TDatabase& db_;
    qint64 old_ = 0;
    bool set_ = false;
};

}  // namespace

TStockCarrier::TStockCarrier(TDatabase* database, QObject* parent)
    : TCostCalc(database, parent), db_(database ? database : &AppDatabase()) {}

bool TStockCarrier::Carry(const QDate& endDate) {
    skipped_ = 0;
    message_.clear();
    TLargePageCache cache(*db_);
    db_->BeginTrans();
    bool done = false;
    try {
        done = CarryInTransaction(endDate);
    } catch (...) {
        db_->RollbackTrans();
        throw;
    }
    if (done)
        db_->CommitTrans();
    else
        db_->RollbackTrans();
    return done;
}

bool TStockCarrier::CarryInTransaction(const QDate& endDate) {
    // The ledger is read inside the transaction with the document tables closed to other
    // writers, so a document saved meanwhile is either carried or kept, never deleted
    // uncounted. (SQLite's write transaction already excludes other writers.)
    db_->LockTables(DocumentTables);

    TRecordSet houses(db_);
    if (houses.OpenSql(QStringLiteral("select Id from warehouse order by Id")) < 0)
        throw EAbort();
    TRecordSet wares(db_);
    if (wares.OpenSql(QStringLiteral("select Id, CostId from ware order by Id")) < 0)
        throw EAbort();
    // Opening balances need the figures only.
    if (Prepare(endDate, {}, TLedgerColumns::FiguresOnly) < 0)
        throw EAbort();

    // The warehouses each ware has ledger rows in, from one pass over the ledger.
    QHash<int, QList<int>> housesOfWare;
    {
        TWareInoutSet& l = *InoutSet;
        for (int v = 0; v < l.RecordCount(); ++v) {
            QList<int>& list = housesOfWare[int(l.WareIdFld->IntegerAt(v))];
            const int h = int(l.HouseIdFld->IntegerAt(v));
            if (!list.contains(h))
                list << h;
        }
    }

    // A ware with an unknown cost method would get no opening balance and lose its stock.
    TField* wareIdFld = wares.FieldByName(QStringLiteral("Id"));
    TField* costIdFld = wares.FieldByName(QStringLiteral("CostId"));
    QStringList badWares;
    for (int v = 0; v < wares.RecordCount(); ++v)
        if (!IsCostMethod(int(costIdFld->IntegerAt(v))) &&
            housesOfWare.contains(int(wareIdFld->IntegerAt(v))))
            badWares << QString::number(wareIdFld->IntegerAt(v));
    if (!badWares.isEmpty()) {
        message_ = QStringLiteral("下列货品的成本计算方法无效,不能结转(货品编号):\r\n") +
                   badWares.join(QStringLiteral(", "));
        ShowInfo(message_);
        return false;
    }

    db_->ExecSql(QStringLiteral("delete from carrydl"));
    db_->ExecSql(QStringLiteral("delete from carry"));
    int mastId = 1;
    {
        QSqlQuery q = db_->NewQuery();
        db_->RunQuery(q, QStringLiteral("select Max(Id) from carry"), {}, {}, true);
        mastId = (q.next() ? q.value(0).toInt() : 0) + 1;
    }
    db_->ExecSql(
        QStringLiteral("insert into carry(Id, EndDate)values(:Id, :EndDate)"),
        {DBParam(QStringLiteral("Id"), mastId), DBParam(QStringLiteral("EndDate"), endDate)});

    TField* houseIdFld = houses.FieldByName(QStringLiteral("Id"));
    std::vector<int> houseIds;
    for (int v = 0; v < houses.RecordCount(); ++v)
        houseIds.push_back(int(houseIdFld->IntegerAt(v)));

    TCarryRowWriter writer(*db_, mastId);
    const int total = wares.RecordCount();
    for (int w = 0; w < total; ++w) {
        const int wareId = int(wareIdFld->IntegerAt(w));
        const int method = int(costIdFld->IntegerAt(w));
        const QList<int> present = housesOfWare.value(wareId);
        // A warehouse without ledger rows of the ware gives no rows; it is not calculated.
        for (int houseId : houseIds) {
            if (!present.contains(houseId))
                continue;
            try {
                Calc(houseId, wareId, method);
            } catch (const std::exception& e) {
                if (!Confirm(QStringLiteral("计算货品(编号 %1)在仓库(编号 %2)的库存时出错:\r\n%3"
                                            "\r\n\r\n确定: 跳过该货品在此仓库的结转并继续; "
                                            "取消: 放弃结转.")
                                 .arg(wareId)
                                 .arg(houseId)
                                 .arg(QString::fromLocal8Bit(e.what())))) {
                    message_.clear();
                    return false;
                }
                ++skipped_;
                continue;  // nothing of this pair is stored
            }
            for (int v = 0; v < RecordCount(); ++v) {
                const double qty = StockQtyFld->FloatAt(v);
                const double price = InPriceFld->FloatAt(v);
                writer.Add(houseId, wareId, qty, price, RoundFund(qty * price));
            }
        }
        ReportProgress(total, total - w - 1);
    }
    writer.Flush();

    const QString d = db_->DateLiteral(endDate);
    for (const char* sql : DeleteDocuments)
        db_->ExecSql(QString::fromLatin1(sql).replace(QLatin1String("%s"), d));

    message_ = QStringLiteral("结转操作成功!");
    if (skipped_ > 0)
        message_ = QStringLiteral(
                       "结转已完成,但有 %1 个仓库与货品的组合因计算出错而未结转,"
                       "其单据已删除.")
                       .arg(skipped_);
    return true;
}
