#pragma once

#include <QString>

#include "DataGenerator.h"

// Generated databases by back end and size, made once and kept: SQLite files in a cache
// folder, PostgreSQL databases on the given server (both named by size and options, and
// written under a temporary name first so a broken run never leaves a half-made one).
class TBenchDatabases {
public:
    TBenchDatabases(const QString& cacheDir, const QString& serverUrl)
        : cacheDir_(cacheDir), serverUrl_(serverUrl) {}

    // The address (sqlite:PATH or postgresql://...) of the database of these options on the
    // back end ("sqlite" or "postgres"), generating it when missing; empty on failure.
    QString Get(const QString& backend, const TGenOptions& options, QString* error);
    // A fresh copy of a database for a run that changes it; empty on failure.
    QString Copy(const QString& url, QString* error);
    void Remove(const QString& url);

private:
    QString cacheDir_;
    QString serverUrl_;
};
