#include <QSqlQuery>

#include "AdminCommand.h"
#include "AdminConnection.h"
#include "AdminOutput.h"
#include "data/Abort.h"
#include "data/Database.h"
#include "data/NumberFormats.h"
#include "shell/LoadAppSettings.h"
#include "valuation/CostCalc.h"

int RunCost(const TAdminArgs& args) {
    int house = 0;
    int ware = 0;
    int method = -1;
    if (!args.IntOption(QStringLiteral("house"), &house) ||
        !args.IntOption(QStringLiteral("ware"), &ware) ||
        !args.IntOption(QStringLiteral("method"), &method))
        return 1;
    if (args.Options.contains(QStringLiteral("method")) && !IsCostMethod(method))
        return Fail(QStringLiteral("--method: 0 to 3, not %1").arg(method));
    TDatabase& db = AppDatabase();
    if (!ConnectAdminDatabase(db, args.Positional.value(0)))
        return 1;
    try {
        LoadAppSettings();
        if (method < 0) {
            QSqlQuery q = db.NewQuery();
            db.RunQuery(q, QStringLiteral("select CostId from ware where Id=:Id"),
                        {DBParam(QStringLiteral("Id"), ware)}, {}, true);
            if (!q.next())
                return Fail(QStringLiteral("no ware with the id %1").arg(ware));
            method = q.value(0).toInt();
        }
        TCostCalc calc(&db);
        if (calc.InoutSet->OpenWare(ware) < 0)
            return 1;
        calc.Calc(house, ware, method);
        PrintOut(QStringLiteral("OrdId,BizDate,Brief,StockQty,InPrice,CostFund,BillCode"));
        for (int v = 0; v < calc.RecordCount(); ++v)
            PrintOut(QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
                         .arg(calc.OrdIdFld->IntegerAt(v))
                         .arg(calc.BizDateFld->ValueAt(v).toDate().toString(Qt::ISODate),
                              CsvField(calc.BriefFld->StringAt(v)),
                              CsvNumber(calc.StockQtyFld->FloatAt(v), QtyFormat),
                              CsvNumber(calc.InPriceFld->FloatAt(v), PriceFormat),
                              CsvNumber(calc.CostFundFld->FloatAt(v), FundFormat),
                              CsvField(calc.BillCodeFld->StringAt(v))));
        PrintOut(
            QStringLiteral("total,%1,%2")
                .arg(CsvNumber(calc.StockQty, QtyFormat), CsvNumber(calc.StockFund, FundFormat)));
    } catch (const EDatabaseError& e) {
        return Fail(e.Message());
    } catch (const EAbort&) {
        return 1;
    }
    return 0;
}
