#include <QList>
#include <algorithm>

#include "AdminCommand.h"
#include "AdminConnection.h"
#include "AdminOutput.h"
#include "data/Abort.h"
#include "data/Database.h"
#include "data/NumberFormats.h"
#include "data/QuerySet.h"
#include "shell/LoadAppSettings.h"
#include "valuation/WareCalc.h"

int RunStock(const TAdminArgs& args) {
    int house = 0;
    QDate upTo;
    if (!args.IntOption(QStringLiteral("house"), &house) ||
        !args.DateOption(QStringLiteral("date"), &upTo))
        return 1;
    TDatabase& db = AppDatabase();
    if (!ConnectAdminDatabase(db, args.Positional.value(0)))
        return 1;
    try {
        LoadAppSettings();
        QList<int> houses;
        if (args.Options.contains(QStringLiteral("house"))) {
            houses << house;
        } else {
            TRecordSet list(&db);
            if (list.OpenSql(QStringLiteral("select Id from warehouse order by Id")) < 0)
                return 1;
            for (int v = 0; v < list.RecordCount(); ++v)
                houses << int(list.Field(0)->IntegerAt(v));
        }
        PrintOut(QStringLiteral("HouseId,WareId,Qty,Fund,Price"));
        TWareCalc calc(&db);
        for (int h : houses) {
            if (calc.OpenHouse(h, upTo) < 0)
                return 1;
            QList<int> wares;
            for (int v = 0; v < calc.RecordCount(); ++v)
                wares << int(calc.WareIdFld->IntegerAt(v));
            std::sort(wares.begin(), wares.end());
            wares.erase(std::unique(wares.begin(), wares.end()), wares.end());
            for (int w : wares) {
                const TStockSum sum = calc.SumWare(w);
                PrintOut(QStringLiteral("%1,%2,%3,%4,%5")
                             .arg(h)
                             .arg(w)
                             .arg(CsvNumber(sum.Qty, QtyFormat), CsvNumber(sum.Fund, FundFormat),
                                  CsvNumber(sum.Price, PriceFormat)));
            }
        }
    } catch (const EDatabaseError& e) {
        return Fail(e.Message());
    } catch (const EAbort&) {
        return 1;
    }
    return 0;
}
