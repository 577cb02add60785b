// lumora-bench: times the stock figures on generated databases of several sizes, each beside
// the bare scan of the document lines, and prints one "name: value" line per figure.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <exception>

#include "BenchConnection.h"
#include "BenchDatabases.h"
#include "StockFigures.h"
#include "data/Database.h"
#include "data/NumberFormats.h"

namespace {

void Out(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Err(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

QString Num(double v, int decimals = 2) {
    return QString::number(v, 'f', decimals);
}

// The date of the timed carry-over: the first two of the three generated years.
const QDate CarryDate(2024, 12, 31);

// Quantities are counted in whole units, prices and amounts in cents.
void UseNumberFormats() {
    SetNumberFormats(0, 2);
}

// --child KIND --db URL: one memory figure in this process alone, printed as key: value.
int RunChild(const QString& kind, const QString& url) {
    UseNumberFormats();
    TDatabase db(QStringLiteral("lumora_bench_child"));
    QString error;
    if (!BenchConnection::Connect(db, url, false, &error)) {
        Err(error);
        return 1;
    }
    StockFigures::TMemoryFigures f;
    try {
        f = kind == QLatin1String("ledger") ? StockFigures::LedgerAll(db)
                                            : StockFigures::CarryOver(db, CarryDate);
    } catch (const std::exception& e) {
        f.Error = QString::fromLocal8Bit(e.what());
    }
    if (!f.Error.isEmpty()) {
        Err(f.Error);
        return 1;
    }
    Out(QStringLiteral("ms: %1").arg(f.Ms, 0, 'f', 3));
    Out(QStringLiteral("rows: %1").arg(f.Rows));
    Out(QStringLiteral("rss_before_kib: %1").arg(f.RssBeforeKiB));
    Out(QStringLiteral("peak_kib: %1").arg(f.PeakKiB));
    return 0;
}

StockFigures::TMemoryFigures InChild(const QString& kind, const QString& url) {
    StockFigures::TMemoryFigures f;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--child"), kind, QStringLiteral("--db"), url});
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        f.Error = QStringLiteral("the %1 run failed").arg(kind);
        return f;
    }
    QMap<QString, QString> values;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            values[line.left(colon)] = line.mid(colon + 1).trimmed();
    }
    f.Ms = values.value(QStringLiteral("ms")).toDouble();
    f.Rows = values.value(QStringLiteral("rows")).toLongLong();
    f.RssBeforeKiB = values.value(QStringLiteral("rss_before_kib")).toLongLong();
    f.PeakKiB = values.value(QStringLiteral("peak_kib")).toLongLong();
    return f;
}

// The raw figures of one back end and size; -1 where a figure could not be had.
struct TSizeFigures {
    double Scan = -1, Pair = -1, MiddlingPair = -1, All = -1, House = -1, Check = -1, Literal = -1;
    bool CheckMatches = false;
    StockFigures::TMemoryFigures Ledger, Carry;
};

TSizeFigures Measure(const QString& backend, const TGenOptions& options, const QString& url,
                     TBenchDatabases& databases, int runs) {
    const qint64 size = options.Lines;
    TSizeFigures s;
    const QString prefix = QStringLiteral("%1_%2_").arg(backend).arg(size);
    auto raw = [&](const QString& name, const QString& value) {
        Out(prefix + name + ": " + value);
    };
    {
        TDatabase db(QStringLiteral("lumora_bench"));
        QString error;
        if (!BenchConnection::Connect(db, url, false, &error)) {
            Err(error);
            return s;
        }
        qint64 scanRows = 0;
        s.Scan = StockFigures::ScanMs(db, runs, &scanRows);
        raw(QStringLiteral("scan_ms"), Num(s.Scan));
        // The busiest ware and one of middling use, the same wares at every size, in
        // warehouse 1. A look-up is short: many of them make a steady median.
        const StockFigures::TPair pair{1, WareOfRank(options, 0)};
        const StockFigures::TPair middling{1, WareOfRank(options, options.Wares / 2)};
        s.Pair = StockFigures::BalancePairMs(db, pair, std::max(25, runs * 5));
        raw(QStringLiteral("balance_pair_ms"), Num(s.Pair, 3));
        s.MiddlingPair = StockFigures::BalancePairMs(db, middling, std::max(25, runs * 5));
        raw(QStringLiteral("balance_pair_middling_ms"), Num(s.MiddlingPair, 3));
        s.All = StockFigures::BalanceAllMs(db, runs);
        raw(QStringLiteral("balance_all_ms"), Num(s.All));
        s.House = StockFigures::BalanceHouseMs(db, pair.House, runs);
        raw(QStringLiteral("balance_house_ms"), Num(s.House));
        const StockFigures::TCheckFigures check = StockFigures::StockCheck(db, pair.House, runs);
        s.Check = check.CheckMs;
        s.Literal = check.LiteralMs;
        s.CheckMatches = check.Matches;
        raw(QStringLiteral("stock_check_ms"), Num(s.Check, 3));
        raw(QStringLiteral("stock_check_literal_ms"), Num(s.Literal));
        raw(QStringLiteral("stock_check_short_wares"), QString::number(check.Negatives));
        raw(QStringLiteral("stock_check_equals_literal"),
            check.Matches ? QStringLiteral("yes") : QStringLiteral("NO: ") + check.Mismatch);
    }
    s.Ledger = InChild(QStringLiteral("ledger"), url);
    if (s.Ledger.Error.isEmpty()) {
        raw(QStringLiteral("ledger_all_ms"), Num(s.Ledger.Ms));
        raw(QStringLiteral("ledger_rows"), QString::number(s.Ledger.Rows));
    } else {
        raw(QStringLiteral("ledger_all_ms"), QStringLiteral("n/a (%1)").arg(s.Ledger.Error));
    }
    QString error;
    const QString copy = databases.Copy(url, &error);
    if (copy.isEmpty()) {
        s.Carry.Error = error;
    } else {
        s.Carry = InChild(QStringLiteral("carry"), copy);
        databases.Remove(copy);
    }
    if (s.Carry.Error.isEmpty()) {
        raw(QStringLiteral("carry_over_ms"), Num(s.Carry.Ms));
        raw(QStringLiteral("carry_over_rows"), QString::number(s.Carry.Rows));
    } else {
        raw(QStringLiteral("carry_over_ms"), QStringLiteral("n/a (%1)").arg(s.Carry.Error));
    }
    return s;
}

// "value (target: ok|MISS)" for a figure that should stay at or below its limit.
QString Judged(double value, double limit, int decimals = 2) {
    if (value < 0)
        return QStringLiteral("n/a");
    return QStringLiteral("%1 (target <= %2: %3)")
        .arg(Num(value, decimals), Num(limit, 1),
             value <= limit ? QStringLiteral("ok") : QStringLiteral("MISS"));
}

double Ratio(double a, double b) {
    return a < 0 || b <= 0 ? -1 : a / b;
}

void Summarise(const QString& backend, const QMap<qint64, TSizeFigures>& bySize) {
    if (bySize.isEmpty())
        return;
    // Growth is measured against 10k lines, or the smallest size run.
    const qint64 base = bySize.contains(10000) ? 10000 : bySize.firstKey();
    const qint64 top = bySize.lastKey();
    const TSizeFigures& b = bySize[base];
    const TSizeFigures& t = bySize[top];
    Out(QStringLiteral("backend: %1 (growth %2 -> %3 lines, vs_scan at %3)")
            .arg(backend)
            .arg(base)
            .arg(top));
    // Growth needs two sizes.
    auto growth = [&](double top, double base) {
        return bySize.size() > 1 ? Ratio(top, base) : -1;
    };
    Out(QStringLiteral("balance_pair_growth: ") + Judged(growth(t.Pair, b.Pair), 2));
    Out(QStringLiteral("balance_pair_middling_growth: ") +
        Judged(growth(t.MiddlingPair, b.MiddlingPair), 2));
    Out(QStringLiteral("balance_all_vs_scan: ") + Judged(Ratio(t.All, t.Scan), 1.5));
    Out(QStringLiteral("balance_house_vs_scan: ") + Judged(Ratio(t.House, t.Scan), 1.5));
    Out(QStringLiteral("stock_check_growth: ") + Judged(growth(t.Check, b.Check), 2));
    const double vsLiteral = Ratio(t.Literal, t.Check);
    Out(QStringLiteral("stock_check_vs_literal: %1%2")
            .arg(vsLiteral < 0 ? QStringLiteral("n/a") : Num(vsLiteral, 1))
            .arg(t.CheckMatches ? QStringLiteral(" (same result)")
                                : QStringLiteral(" (RESULTS DIFFER)")));
    Out(QStringLiteral("ledger_all_vs_scan: ") +
        (t.Ledger.Error.isEmpty() ? Judged(Ratio(t.Ledger.Ms, t.Scan), 2) : QStringLiteral("n/a")));
    const double bytesPerRow =
        t.Ledger.Error.isEmpty() && t.Ledger.Rows > 0
            ? double(t.Ledger.PeakKiB - t.Ledger.RssBeforeKiB) * 1024 / t.Ledger.Rows
            : -1;
    Out(QStringLiteral("ledger_bytes_per_row: ") + Judged(bytesPerRow, 200, 0));
    Out(QStringLiteral("carry_over_vs_scan: ") +
        (t.Carry.Error.isEmpty() ? Judged(Ratio(t.Carry.Ms, t.Scan), 5) : QStringLiteral("n/a")));
    Out(QStringLiteral("carry_over_peak_mib: ") + (t.Carry.Error.isEmpty()
                                                       ? Judged(t.Carry.PeakKiB / 1024.0, 1024, 0)
                                                       : QStringLiteral("n/a")));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora-bench"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times the stock figures on generated databases (cached by size) beside the bare scan "
        "of the document lines."));
    parser.addHelpOption();
    const TGenOptions defaults;
    QCommandLineOption sizes(QStringLiteral("sizes"),
                             QStringLiteral("Document lines, e.g. 10000,100000."),
                             QStringLiteral("N,..."), QStringLiteral("10000,100000"));
    QCommandLineOption backends(QStringLiteral("backends"),
                                QStringLiteral("sqlite and/or postgres."),
                                QStringLiteral("NAME,..."), QStringLiteral("sqlite"));
    QCommandLineOption pgUrl(QStringLiteral("pg-url"),
                             QStringLiteral("A PostgreSQL server to make databases on "
                                            "(postgresql://USER@HOST:PORT/postgres)."),
                             QStringLiteral("URL"));
    QCommandLineOption cache(QStringLiteral("cache"),
                             QStringLiteral("Folder of the generated SQLite files."),
                             QStringLiteral("DIR"));
    QCommandLineOption runs(QStringLiteral("runs"),
                            QStringLiteral("Runs of each short figure (median)."),
                            QStringLiteral("N"), QStringLiteral("5"));
    QCommandLineOption wares(QStringLiteral("wares"),
                             QStringLiteral("Wares of a generated database."), QStringLiteral("N"),
                             QString::number(defaults.Wares));
    QCommandLineOption houses(QStringLiteral("houses"),
                              QStringLiteral("Warehouses of a generated database."),
                              QStringLiteral("N"), QString::number(defaults.Houses));
    QCommandLineOption child(QStringLiteral("child"), QStringLiteral("(internal) ledger or carry."),
                             QStringLiteral("KIND"));
    QCommandLineOption childDb(QStringLiteral("db"), QStringLiteral("(internal) the database."),
                               QStringLiteral("URL"));
    parser.addOptions({sizes, backends, pgUrl, cache, runs, wares, houses, child, childDb});
    parser.process(app);

    if (parser.isSet(child))
        return RunChild(parser.value(child), parser.value(childDb));

    UseNumberFormats();
    const QString cacheDir = parser.isSet(cache)
                                 ? parser.value(cache)
                                 : QDir(QCoreApplication::applicationDirPath())
                                       .absoluteFilePath(QStringLiteral("../bench-cache"));
    TBenchDatabases databases(QDir::cleanPath(cacheDir), parser.value(pgUrl));
    QList<qint64> sizeList;
    for (const QString& s : parser.value(sizes).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        sizeList << s.toLongLong(&ok);
        if (!ok || sizeList.last() < 1) {
            Err(QStringLiteral("--sizes takes numbers of lines: %1").arg(s));
            return 2;
        }
    }
    const int runCount = std::max(1, parser.value(runs).toInt());
    int failures = 0;
    for (const QString& backend :
         parser.value(backends).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QMap<qint64, TSizeFigures> bySize;
        for (qint64 size : sizeList) {
            TGenOptions options;
            options.Lines = size;
            options.Wares = parser.value(wares).toInt();
            options.Houses = parser.value(houses).toInt();
            QString error;
            const QString url = databases.Get(backend, options, &error);
            if (url.isEmpty()) {
                Err(error);
                ++failures;
                continue;
            }
            try {
                bySize[size] = Measure(backend, options, url, databases, runCount);
            } catch (const std::exception& e) {
                Err(QStringLiteral("%1 %2: %3")
                        .arg(backend)
                        .arg(size)
                        .arg(QString::fromLocal8Bit(e.what())));
                ++failures;
            }
        }
        Summarise(backend, bySize);
    }
    return failures ? 1 : 0;
}
