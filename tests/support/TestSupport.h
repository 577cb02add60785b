#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QtTest/QTest>

#include "data/Database.h"
#include "data/Prompt.h"

// The back end a data-layer test runs on: LUMORA_TEST_BACKEND=sqlite|postgres (default sqlite).
TBackend TestBackend();
QString TestBackendName();

// Connection string of a new, empty database on the test back end: a fresh SQLite file in a
// temporary folder, or a new database on the PostgreSQL test server (its URL is read from the
// file named by LUMORA_PG_URL_FILE). Empty, with the reason in *error, when none can be had.
QString NewTestConnectionString(QString* error = nullptr);

// Connects db to a new empty database (no tables) / to a new database with the schema and the
// rows of a new installation (and the demo company). Fails the calling test when it cannot.
bool OpenEmptyTestDatabase(TDatabase& db);
bool OpenFreshTestDatabase(TDatabase& db, bool withDemo = false);

// Records every prompt and answers from a script (default answer when the script is empty).
class PromptRecorder : public TPrompter {
public:
    PromptRecorder();            // installs itself
    ~PromptRecorder() override;  // restores the silent default
    bool Ask(TPromptKind kind, const QString& text) override;

    QList<QPair<TPromptKind, QString>> Prompts;
    QList<bool> Answers;  // answered first to last
    bool DefaultAnswer = true;

    QStringList Texts() const;  // the texts shown, in order
    QString Last() const;       // the last text, empty when none
    void Clear() { Prompts.clear(); }
};

// Test mains that set up the platform first: offscreen windows, and a temporary home for
// settings so tests never touch the user's files.
void PrepareTestEnvironment();

#define LUMORA_TEST_MAIN(TestObject)          \
    int main(int argc, char** argv) {         \
        PrepareTestEnvironment();             \
        QCoreApplication app(argc, argv);     \
        TestObject tc;                        \
        QTEST_SET_MAIN_SOURCE_PATH            \
        return QTest::qExec(&tc, argc, argv); \
    }
