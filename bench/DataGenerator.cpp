#include "DataGenerator.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/NumberFormats.h"

namespace {

// Rows per insert statement: a few hundred bound values, within every back end's limit.
constexpr int kRowsPerStatement = 100;
// Lines written per transaction.
constexpr qint64 kLinesPerTransaction = 50000;

// Collects rows for one table and writes them as multi-row inserts. The statement for a full
// batch is prepared once; the last, shorter batch gets its own. A line table flushes its
// header table first, so every line finds its header (foreign keys are checked at once).
class TRowWriter {
public:
    TRowWriter(TDatabase& db, const QString& table, const QStringList& columns,
               TRowWriter* parent = nullptr)
        : db_(db), table_(table), columns_(columns), parent_(parent) {
        values_.reserve(columns.size() * kRowsPerStatement);
    }

    void Add(std::initializer_list<QVariant> row) {
        Q_ASSERT(qsizetype(row.size()) == columns_.size());
        for (const QVariant& v : row)
            values_.append(v);
        if (values_.size() >= columns_.size() * kRowsPerStatement)
            Flush();
    }

    void Flush() {
        if (values_.isEmpty())
            return;
        if (parent_)
            parent_->Flush();
        const int rows = int(values_.size() / columns_.size());
        QSqlQuery* q = nullptr;
        QSqlQuery partial;
        if (rows == kRowsPerStatement) {
            if (!full_) {
                full_ = std::make_unique<QSqlQuery>(db_.NewQuery());
                Prepare(*full_, rows);
            }
            q = full_.get();
        } else {
            partial = db_.NewQuery();
            Prepare(partial, rows);
            q = &partial;
        }
        for (qsizetype i = 0; i < values_.size(); ++i)
            q->bindValue(int(i), values_[i]);
        if (!q->exec())
            throw EDatabaseError(q->lastError().text() + QStringLiteral("\r\ninsert into ") +
                                 table_);
        values_.clear();
    }

private:
    void Prepare(QSqlQuery& q, int rows) {
        QString marks = QStringLiteral("(");
        for (qsizetype c = 0; c < columns_.size(); ++c)
            marks += c ? QStringLiteral(",?") : QStringLiteral("?");
        marks += QLatin1Char(')');
        QString sql = QStringLiteral("insert into %1 (%2) values ")
                          .arg(table_, columns_.join(QLatin1Char(',')));
        for (int r = 0; r < rows; ++r) {
            if (r)
                sql += QLatin1Char(',');
            sql += marks;
        }
        if (!q.prepare(sql))
            throw EDatabaseError(q.lastError().text() + QStringLiteral("\r\n") + sql);
    }

    TDatabase& db_;
    QString table_;
    QStringList columns_;
    TRowWriter* parent_;
    QVariantList values_;
    std::unique_ptr<QSqlQuery> full_;
};

// Ranks 0..n-1 drawn with weight 1/(rank+1)^s, mapped through a fixed shuffle so the busy
// wares are spread over the ids.
class TSkewedPick {
public:
    TSkewedPick(int n, double s, std::mt19937_64& rng) : cdf_(n), ids_(n) {
        double sum = 0;
        for (int k = 0; k < n; ++k) {
            sum += 1.0 / std::pow(k + 1, s);
            cdf_[k] = sum;
        }
        for (int k = 0; k < n; ++k)
            ids_[k] = k + 1;
        std::shuffle(ids_.begin(), ids_.end(), rng);
    }
    int operator()(std::mt19937_64& rng) const {
        const double u = std::uniform_real_distribution<double>(0, cdf_.back())(rng);
        const auto it = std::upper_bound(cdf_.begin(), cdf_.end(), u);
        return ids_[std::min<qsizetype>(it - cdf_.begin(), ids_.size() - 1)];
    }
    int IdOfRank(int rank) const {
        return ids_[size_t(std::clamp<int>(rank, 0, int(ids_.size()) - 1))];
    }

private:
    std::vector<double> cdf_;
    std::vector<int> ids_;
};

// Stock on hand per warehouse and ware, with the wares in stock of each warehouse listed so a
// stock-out can always find one.
class TStockBook {
public:
    TStockBook(int houses, int wares)
        : wares_(wares),
          qty_(size_t(houses) * wares, 0.0),
          slot_(qty_.size(), -1),
          inStock_(houses) {}

    double Qty(int house, int ware) const { return qty_[Index(house, ware)]; }
    void Add(int house, int ware, double delta) {
        const size_t i = Index(house, ware);
        qty_[i] += delta;
        auto& list = inStock_[house - 1];
        if (qty_[i] > 0 && slot_[i] < 0) {
            slot_[i] = int(list.size());
            list.push_back(ware);
        } else if (qty_[i] <= 0 && slot_[i] >= 0) {
            const int moved = list.back();
            list[slot_[i]] = moved;
            slot_[Index(house, moved)] = slot_[i];
            list.pop_back();
            slot_[i] = -1;
        }
    }
    const std::vector<int>& InStock(int house) const { return inStock_[house - 1]; }
    qint64 NegativePairs() const {
        return std::count_if(qty_.begin(), qty_.end(), [](double q) { return q < 0; });
    }

private:
    size_t Index(int house, int ware) const { return size_t(house - 1) * wares_ + (ware - 1); }
    int wares_;
    std::vector<double> qty_;
    std::vector<int> slot_;
    std::vector<std::vector<int>> inStock_;
};

struct TWareInfo {
    double InPrice;
    double OutPrice;
};

const QVariant kNull = QVariant(QMetaType::fromType<QString>());

QString DateText(const QDate& d) {
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

class TGenerator {
public:
    TGenerator(TDatabase& db, const TGenOptions& o) : db_(db), o_(o), rng_(o.Seed) {}

    TGenCounts Run(const std::function<void(qint64, qint64)>& progress);

private:
    double Uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(double p) { return Uniform(0, 1) < p; }

    void WriteReferenceData();
    void WriteDocuments(const std::function<void(qint64, qint64)>& progress);
    // A ware of the warehouse with stock, not yet on the document; 0 when it has none.
    int WareInStock(int house, const std::vector<int>& taken);
    int AnyWare(const std::vector<int>& taken);
    QString NextCode(int kind, const QDate& date);

    TDatabase& db_;
    TGenOptions o_;
    std::mt19937_64 rng_;
    std::vector<TWareInfo> wares_;
    std::unique_ptr<TSkewedPick> pick_;
    std::unique_ptr<TStockBook> stock_;
    QHash<QString, int> codeSeq_;
    TGenCounts counts_;
    int suppliers_ = 50, clients_ = 200, departments_ = 6, employees_ = 20;
};

int TGenerator::WareInStock(int house, const std::vector<int>& taken) {
    auto fresh = [&](int w) { return std::find(taken.begin(), taken.end(), w) == taken.end(); };
    // Mostly the busy wares, as with any ware; otherwise whatever the warehouse holds.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int w = (*pick_)(rng_);
        if (stock_->Qty(house, w) >= 1 && fresh(w))
            return w;
    }
    const std::vector<int>& list = stock_->InStock(house);
    for (int attempt = 0; attempt < 8 && !list.empty(); ++attempt) {
        const int w = list[size_t(Int(0, int(list.size()) - 1))];
        if (stock_->Qty(house, w) >= 1 && fresh(w))
            return w;
    }
    return 0;
}

int TGenerator::AnyWare(const std::vector<int>& taken) {
    for (;;) {
        const int w = (*pick_)(rng_);
        if (std::find(taken.begin(), taken.end(), w) == taken.end())
            return w;
    }
}

QString TGenerator::NextCode(int kind, const QDate& date) {
    static const char* const prefixes[] = {"NK", "CK", "DB", "PD"};
    const QString head = QLatin1String(prefixes[kind]) + date.toString(QStringLiteral("yyMM"));
    const int seq = ++codeSeq_[head];
    return head + QStringLiteral("%1").arg(seq, 4, 10, QLatin1Char('0'));
}

void TGenerator::WriteReferenceData() {
    static const char* const brands[] = {"华光", "东方", "长城", "金鹰", "海星", "新华", "蓝天"};
    static const char* const units[] = {"个", "件", "箱", "包", "盒", "瓶", "套", "台"};
    static const char* const packages[] = {"散装", "盒装", "袋装", "箱装"};

    TRowWriter houses(db_, QStringLiteral("warehouse"), {"Id", "Name", "Mgr", "Tel", "Note"});
    for (int h = 1; h <= o_.Houses; ++h)
        houses.Add({h, QStringLiteral("仓库%1").arg(h), QStringLiteral("保管员%1").arg(h),
                    QStringLiteral("0571-8800%1").arg(h, 4, 10, QLatin1Char('0')), QString()});
    houses.Flush();

    // Eight top classes of five subclasses each; SlfId is the pre-order position, Code the
    // dotted path of SlfIds.
    TRowWriter classes(db_, QStringLiteral("wareclass"),
                       {"Id", "Code", "Name", "Note", "SlfId", "PrtId"});
    std::vector<int> leaves;
    int slf = 0;
    for (int top = 1; top <= 8; ++top) {
        const int topSlf = ++slf;
        const QString topCode = QStringLiteral("%1.").arg(topSlf);
        classes.Add({topSlf, topCode, QStringLiteral("大类%1").arg(top), QString(), topSlf, 0});
        for (int sub = 1; sub <= 5; ++sub) {
            const int subSlf = ++slf;
            classes.Add({subSlf, topCode + QStringLiteral("%1.").arg(subSlf),
                         QStringLiteral("小类%1-%2").arg(top).arg(sub), QString(), subSlf, topSlf});
            leaves.push_back(subSlf);
        }
    }
    classes.Flush();

    TRowWriter wares(
        db_, QStringLiteral("ware"),
        {"Id", "ClassId", "Code", "Name", "PartNo", "Brand", "Package", "Barcode", "LookId", "Unit",
         "InPrice", "OutPrice", "MinQty", "MaxQty", "Location", "Note", "CostId"});
    wares_.reserve(o_.Wares);
    for (int w = 1; w <= o_.Wares; ++w) {
        const double u = Uniform(0, 1);
        const double in = RoundFund(1 + 499 * u * u);
        const double out = RoundFund(in * 1.25);
        wares_.push_back({in, out});
        // Most wares by the running average; some by each of the other methods.
        const double m = Uniform(0, 1);
        const int cost = m < 0.70 ? 1 : m < 0.85 ? 0 : m < 0.95 ? 2 : 3;
        wares.Add({w, leaves[size_t(Int(0, int(leaves.size()) - 1))],
                   QStringLiteral("HP%1").arg(w, 6, 10, QLatin1Char('0')),
                   QStringLiteral("货品%1").arg(w), QStringLiteral("型号%1").arg(Int(100, 999)),
                   QString::fromUtf8(brands[Int(0, 6)]), QString::fromUtf8(packages[Int(0, 3)]),
                   QStringLiteral("69%1").arg(w, 11, 10, QLatin1Char('0')),
                   QStringLiteral("HP%1").arg(w), QString::fromUtf8(units[Int(0, 7)]), in, out, 0.0,
                   0.0, QStringLiteral("%1-%2").arg(Int(1, 20)).arg(Int(1, 50)), QString(), cost});
    }
    wares.Flush();

    const QStringList partnerColumns{"Id", "Name", "LookId", "Linkman", "Tel", "Addr"};
    TRowWriter suppliers(db_, QStringLiteral("supplier"), partnerColumns);
    for (int i = 1; i <= suppliers_; ++i)
        suppliers.Add({i, QStringLiteral("供应商%1").arg(i), QStringLiteral("GYS%1").arg(i),
                       QStringLiteral("联系人%1").arg(i), QStringLiteral("1380000%1").arg(i),
                       QStringLiteral("地址%1").arg(i)});
    suppliers.Flush();
    TRowWriter clients(db_, QStringLiteral("client"), partnerColumns);
    for (int i = 1; i <= clients_; ++i)
        clients.Add({i, QStringLiteral("客户%1").arg(i), QStringLiteral("KH%1").arg(i),
                     QStringLiteral("联系人%1").arg(i), QStringLiteral("1390000%1").arg(i),
                     QStringLiteral("地址%1").arg(i)});
    clients.Flush();
    TRowWriter depts(db_, QStringLiteral("department"), {"Id", "Name", "Manager"});
    for (int i = 1; i <= departments_; ++i)
        depts.Add({i, QStringLiteral("部门%1").arg(i), QStringLiteral("经理%1").arg(i)});
    depts.Flush();
    TRowWriter staff(db_, QStringLiteral("employee"), {"Id", "Name", "Sex"});
    for (int i = 1; i <= employees_; ++i)
        staff.Add({i, QStringLiteral("职员%1").arg(i),
                   i % 2 ? QStringLiteral("男") : QStringLiteral("女")});
    staff.Flush();
    const QStringList kindColumns{"Id", "Name", "Corp", "Dept"};
    TRowWriter inTypes(db_, QStringLiteral("putintype"), kindColumns);
    inTypes.Add({1, QStringLiteral("采购入库"), kNull, kNull});
    inTypes.Add({2, QStringLiteral("生产入库"), kNull, kNull});
    inTypes.Add({3, QStringLiteral("其他入库"), kNull, kNull});
    inTypes.Flush();
    TRowWriter outTypes(db_, QStringLiteral("takeoutype"), kindColumns);
    outTypes.Add({1, QStringLiteral("销售出库"), kNull, kNull});
    outTypes.Add({2, QStringLiteral("领用出库"), kNull, kNull});
    outTypes.Add({3, QStringLiteral("其他出库"), kNull, kNull});
    outTypes.Flush();
}

void TGenerator::WriteDocuments(const std::function<void(qint64, qint64)>& progress) {
    const QStringList common{"Fund", "Billman", "BillTime", "Note", "Checkman", "CheckTime"};
    TRowWriter putin(db_, QStringLiteral("putin"),
                     QStringList{"Id", "Code", "UserCode", "BizDate", "HouseId", "SignId", "TypeId",
                                 "SupplierId", "DeptId", "HandmanId", "BatchNo"} +
                         common);
    TRowWriter takeout(db_, QStringLiteral("takeout"),
                       QStringList{"Id", "Code", "UserCode", "BizDate", "HouseId", "SignId",
                                   "TypeId", "ClientId", "DeptId", "HandmanId", "BatchNo"} +
                           common);
    TRowWriter move(
        db_, QStringLiteral("move"),
        QStringList{"Id", "Code", "UserCode", "BizDate", "InId", "OutId", "HandmanId"} + common);
    TRowWriter regulate(
        db_, QStringLiteral("regulate"),
        QStringList{"Id", "Code", "UserCode", "BizDate", "HouseId", "HandmanId"} + common);
    const QStringList lineColumns{"dlId", "MastId", "WareId", "Qty", "Price", "Fund", "dlNote"};
    TRowWriter putindl(db_, QStringLiteral("putindl"), lineColumns, &putin);
    TRowWriter takeoutdl(db_, QStringLiteral("takeoutdl"), lineColumns + QStringList{"Cost"},
                         &takeout);
    TRowWriter movedl(db_, QStringLiteral("movedl"), lineColumns, &move);
    TRowWriter regulatedl(
        db_, QStringLiteral("regulatedl"),
        {"dlId", "MastId", "WareId", "BookQty", "ReguQty", "Qty", "Price", "Fund", "dlNote"},
        &regulate);
    TRowWriter* heads[] = {&putin, &takeout, &move, &regulate};
    TRowWriter* lines[] = {&putindl, &takeoutdl, &movedl, &regulatedl};
    auto flushAll = [&] {
        for (TRowWriter* w : lines)
            w->Flush();
        for (TRowWriter* w : heads)
            w->Flush();
    };

    const qint64 total = o_.Lines;
    const QDate lastDate = o_.FirstDate.addDays(o_.Days - 1);
    // Documents older than two months are audited.
    const QDate auditedUpTo = lastDate.addDays(-60);
    qint64 written = 0;
    qint64 sinceCommit = 0;
    int secondOfDay = 0;
    QDate previousDate;
    std::vector<int> taken;
    struct TLine {
        int Ware;
        double Qty, Price, Fund, Book;
    };
    std::vector<TLine> docLines;

    db_.BeginTrans();
    while (written < total) {
        const QDate date =
            o_.FirstDate.addDays(int(std::min<qint64>(o_.Days - 1, written * o_.Days / total)));
        if (date != previousDate) {
            previousDate = date;
            secondOfDay = 8 * 3600;
        }
        secondOfDay = std::min(secondOfDay + Int(5, 120), 24 * 3600 - 1);
        const QDateTime billTime(date, QTime(0, 0).addSecs(secondOfDay));
        const double k = Uniform(0, 1);
        int kind = k < 0.45 ? 0 : k < 0.90 ? 1 : k < 0.95 ? 2 : 3;
        if (kind == 2 && o_.Houses < 2)
            kind = 0;
        const int wanted =
            int(std::min<qint64>(total - written, 1 + Int(0, 5) + Int(0, 5) + Int(0, 4)));
        const int house = Int(1, o_.Houses);
        int otherHouse = house;
        while (o_.Houses > 1 && otherHouse == house)
            otherHouse = Int(1, o_.Houses);
        // Returns: a stock-in return takes stock away, a stock-out return brings it back.
        const int sign = Chance(kind == 0 ? 0.02 : kind == 1 ? 0.03 : 0) ? -1 : 1;
        const bool draws = (kind == 0 && sign < 0) || (kind == 1 && sign > 0) || kind == 2;

        taken.clear();
        docLines.clear();
        for (int n = 0; n < wanted; ++n) {
            TLine l{};
            if (draws) {
                l.Ware = WareInStock(house, taken);
                if (!l.Ware)
                    continue;
                const double have = stock_->Qty(house, l.Ware);
                l.Qty = Int(1, int(std::min(have, 40.0)));
            } else {
                l.Ware = AnyWare(taken);
            }
            const TWareInfo& w = wares_[size_t(l.Ware - 1)];
            switch (kind) {
                case 0:
                    if (sign > 0)
                        l.Qty = Int(10, 100);
                    l.Price = RoundFund(w.InPrice * Uniform(0.95, 1.05));
                    stock_->Add(house, l.Ware, sign * l.Qty);
                    break;
                case 1:
                    if (sign < 0)
                        l.Qty = Int(1, 5);
                    l.Price = w.OutPrice;
                    stock_->Add(house, l.Ware, -sign * l.Qty);
                    break;
                case 2:
                    l.Price = w.InPrice;
                    stock_->Add(house, l.Ware, -l.Qty);
                    stock_->Add(otherHouse, l.Ware, l.Qty);
                    break;
                default: {
                    l.Book = stock_->Qty(house, l.Ware);
                    int diff = Int(1, 3);
                    if (Chance(0.5) && l.Book >= diff)
                        diff = -diff;
                    l.Qty = diff;
                    l.Price = w.InPrice;
                    stock_->Add(house, l.Ware, diff);
                    break;
                }
            }
            l.Fund = RoundFund(l.Qty * l.Price);
            taken.push_back(l.Ware);
            docLines.push_back(l);
        }
        if (docLines.empty())
            continue;

        const qint64 id = ++counts_.Docs[kind];
        double fund = 0;
        for (const TLine& l : docLines)
            fund += l.Fund;
        fund = RoundFund(fund);
        const QString code = NextCode(kind, date);
        const QString dateText = DateText(date);
        const QString timeText = billTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        const bool audited = date <= auditedUpTo;
        const QVariant checkman = audited ? QVariant(QStringLiteral("sa")) : kNull;
        const QVariant checkTime =
            audited
                ? QVariant(billTime.addSecs(3600).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
                : kNull;
        const QVariant handman = Int(1, employees_);
        const QString userCode = QStringLiteral("U%1").arg(id);
        switch (kind) {
            case 0:
                putin.Add({id, code, userCode, dateText, house, sign, Int(1, 3), Int(1, suppliers_),
                           Int(1, departments_), handman, QString(), fund, QStringLiteral("sa"),
                           timeText, QString(), checkman, checkTime});
                break;
            case 1:
                takeout.Add({id, code, userCode, dateText, house, sign, Int(1, 3), Int(1, clients_),
                             Int(1, departments_), handman, QString(), fund, QStringLiteral("sa"),
                             timeText, QString(), checkman, checkTime});
                break;
            case 2:
                move.Add({id, code, userCode, dateText, otherHouse, house, handman, fund,
                          QStringLiteral("sa"), timeText, QString(), checkman, checkTime});
                break;
            default:
                regulate.Add({id, code, userCode, dateText, house, handman, fund,
                              QStringLiteral("sa"), timeText, QString(), checkman, checkTime});
                break;
        }
        for (const TLine& l : docLines) {
            const qint64 dlId = ++counts_.Lines[kind];
            switch (kind) {
                case 0:
                    putindl.Add({dlId, id, l.Ware, l.Qty, l.Price, l.Fund, QString()});
                    break;
                case 1:
                    takeoutdl.Add({dlId, id, l.Ware, l.Qty, l.Price, l.Fund, QString(), kNull});
                    break;
                case 2:
                    movedl.Add({dlId, id, l.Ware, l.Qty, l.Price, l.Fund, QString()});
                    break;
                default:
                    regulatedl.Add({dlId, id, l.Ware, l.Book, l.Book + l.Qty, l.Qty, l.Price,
                                    l.Fund, QString()});
                    break;
            }
        }
        written += qint64(docLines.size());
        sinceCommit += qint64(docLines.size());
        if (sinceCommit >= kLinesPerTransaction) {
            flushAll();
            db_.CommitTrans();
            if (progress)
                progress(written, total);
            db_.BeginTrans();
            sinceCommit = 0;
        }
    }
    flushAll();
    db_.CommitTrans();
    if (progress)
        progress(written, total);
}

// How strongly the busy wares dominate.
constexpr double kSkew = 0.8;

TGenCounts TGenerator::Run(const std::function<void(qint64, qint64)>& progress) {
    // Made first, from the fresh generator, so WareOfRank can make it again.
    pick_ = std::make_unique<TSkewedPick>(o_.Wares, kSkew, rng_);
    stock_ = std::make_unique<TStockBook>(o_.Houses, o_.Wares);
    db_.InTrans([&] {
        WriteReferenceData();
        return true;
    });
    WriteDocuments(progress);
    return counts_;
}

}  // namespace

int WareOfRank(const TGenOptions& options, int rank) {
    std::mt19937_64 rng(options.Seed);
    return TSkewedPick(std::max(1, options.Wares), kSkew, rng).IdOfRank(rank);
}

bool GenerateStockData(TDatabase& db, const TGenOptions& options, TGenCounts* counts,
                       QString* error, const std::function<void(qint64, qint64)>& progress) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (options.Wares < 1 || options.Houses < 1 || options.Lines < 0 || options.Days < 1)
        return fail(QStringLiteral("wares, warehouses and days must be at least 1"));
    QString why;
    try {
        if (!DatabaseCreator::Create(db, false, &why))
            return fail(why);
        if (!db.IsServer()) {
            // A generated file is rebuilt when lost; no need to wait for the disk.
            // A cache that holds the line indexes spares re-reading their pages.
            QSqlQuery q = db.NewQuery();
            q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
            q.exec(QStringLiteral("PRAGMA cache_size=-262144"));
        }
        TGenerator generator(db, options);
        const TGenCounts c = generator.Run(progress);
        if (counts)
            *counts = c;
        if (db.IsServer()) {
            // A server that has run for a while has its statistics; a fresh load has none.
            QSqlQuery q = db.NewQuery();
            q.exec(QStringLiteral("analyze"));
        } else {
            QSqlQuery q = db.NewQuery();
            q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
            q.exec(QStringLiteral("PRAGMA cache_size=-2000"));
        }
    } catch (const EDatabaseError& e) {
        if (db.InTransaction())
            db.RollbackTrans();
        return fail(e.Message());
    }
    return true;
}
