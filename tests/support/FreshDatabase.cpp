#include "data/DatabaseCreator.h"
#include "support/TestSupport.h"

// Kept apart from the rest of the test support so tests that need no schema do not link the
// database creator.
bool OpenFreshTestDatabase(TDatabase& db, bool withDemo) {
    if (!OpenEmptyTestDatabase(db))
        return false;
    QString error;
    try {
        if (DatabaseCreator::Create(db, withDemo, &error))
            return true;
    } catch (const EDatabaseError& e) {
        error = e.Message();
    }
    QTest::qFail(qPrintable(QStringLiteral("cannot create the schema: ") + error), __FILE__,
                 __LINE__);
    return false;
}
