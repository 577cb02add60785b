#include <cstdio>

#include "AdminCommand.h"
#include "AdminConnection.h"
#include "AdminOutput.h"
#include "data/Abort.h"
#include "data/Database.h"
#include "shell/LoadAppSettings.h"
#include "valuation/StockCarrier.h"

int RunCarryOver(const TAdminArgs& args) {
    QDate endDate;
    if (!args.DateOption(QStringLiteral("date"), &endDate))
        return 1;
    TDatabase& db = AppDatabase();
    if (!ConnectAdminDatabase(db, args.Positional.value(0)))
        return 1;
    bool done = false;
    TStockCarrier carrier(&db);
    try {
        LoadAppSettings();
        carrier.CalcProgressEvent = [](int total, int remaining) {
            std::fprintf(stderr, "\rcarrying over: %d of %d wares", total - remaining, total);
            std::fflush(stderr);
        };
        done = carrier.Carry(endDate);
        std::fputc('\n', stderr);
    } catch (const EDatabaseError& e) {
        std::fputc('\n', stderr);
        return Fail(e.Message());
    } catch (const EAbort&) {
        std::fputc('\n', stderr);
        return 1;
    }
    if (!done)
        return Fail(carrier.Message().isEmpty() ? QStringLiteral("carry-over abandoned")
                                                : carrier.Message());
    PrintOut(carrier.Message());
    return 0;
}
