#include "BenchDatabases.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cstdio>

#include "BenchConnection.h"
#include "data/Database.h"

namespace {

// Raised whenever the generator changes what it writes, so old cached files are not reused.
constexpr int kGeneratorVersion = 1;

QString BaseName(const TGenOptions& o) {
    return QStringLiteral("bench_l%1_w%2_h%3_s%4_v%5")
        .arg(o.Lines)
        .arg(o.Wares)
        .arg(o.Houses)
        .arg(o.Seed)
        .arg(kGeneratorVersion);
}

bool Generate(const QString& url, const TGenOptions& options, QString* error) {
    TDatabase db(QStringLiteral("lumora_bench_gen"));
    if (!BenchConnection::Connect(db, url, true, error))
        return false;
    std::fprintf(stderr, "generating %lld lines into %s\n", (long long)options.Lines,
                 qPrintable(url));
    return GenerateStockData(db, options, nullptr, error);
}

}  // namespace

QString TBenchDatabases::Get(const QString& backend, const TGenOptions& options, QString* error) {
    const QString name = BaseName(options);
    if (backend == QLatin1String("sqlite")) {
        QDir().mkpath(cacheDir_);
        const QString path = QDir(cacheDir_).filePath(name + QStringLiteral(".db"));
        if (QFileInfo::exists(path))
            return QStringLiteral("sqlite:") + path;
        const QString partial = path + QStringLiteral(".part");
        QFile::remove(partial);
        if (!Generate(QStringLiteral("sqlite:") + partial, options, error)) {
            QFile::remove(partial);
            return {};
        }
        if (!QFile::rename(partial, path)) {
            *error = QStringLiteral("cannot rename %1").arg(partial);
            return {};
        }
        return QStringLiteral("sqlite:") + path;
    }
    if (backend == QLatin1String("postgres")) {
        if (serverUrl_.isEmpty()) {
            *error = QStringLiteral("postgres needs --pg-url");
            return {};
        }
        error->clear();
        if (BenchConnection::ServerDatabaseExists(serverUrl_, name, error))
            return BenchConnection::WithDatabase(serverUrl_, name);
        if (!error->isEmpty())
            return {};
        const QString partial = name + QStringLiteral("_part");
        const QString url = BenchConnection::CreateServerDatabase(serverUrl_, partial, {}, error);
        if (url.isEmpty() || !Generate(url, options, error))
            return {};
        // The generator's connection has closed, so nothing holds the database any more.
        if (!BenchConnection::RenameServerDatabase(serverUrl_, partial, name, error))
            return {};
        return BenchConnection::WithDatabase(serverUrl_, name);
    }
    *error = QStringLiteral("unknown back end %1 (sqlite, postgres)").arg(backend);
    return {};
}

QString TBenchDatabases::Copy(const QString& url, QString* error) {
    if (url.startsWith(QLatin1String("sqlite:"))) {
        const QString path = url.mid(7);
        const QString copy = path + QStringLiteral(".copy");
        QFile::remove(copy);
        if (!QFile::copy(path, copy)) {
            *error = QStringLiteral("cannot copy %1").arg(path);
            return {};
        }
        return QStringLiteral("sqlite:") + copy;
    }
    const QString name = QUrl(url).path().mid(1);
    return BenchConnection::CreateServerDatabase(serverUrl_, name + QStringLiteral("_copy"), name,
                                                 error);
}

void TBenchDatabases::Remove(const QString& url) {
    if (url.startsWith(QLatin1String("sqlite:"))) {
        QFile::remove(url.mid(7));
        return;
    }
    QString error;
    BenchConnection::DropServerDatabase(serverUrl_, QUrl(url).path().mid(1), &error);
}
