#include <QSqlQuery>
#include <QThread>
#include <QtTest/QTest>
#include <atomic>
#include <set>

#include "data/Abort.h"
#include "documents/DocumentFixture.h"
#include "documents/PutinBill2.h"
#include "support/TestSupport.h"

namespace {

RPutindl LineOf(qint64 wareId, double qty, double price) {
    RPutindl l;
    l.WareId = wareId;
    l.Qty = qty;
    l.Price = price;
    l.Fund = qty * price;
    return l;
}

RPutin NewPutin(std::initializer_list<RPutindl> lines = {LineOf(1, 10, 1.5)}) {
    RPutin r;
    r.BizDate = QDate(2026, 3, 15);
    r.HouseId = 1;
    r.SignId = 1;
    r.TypeId = 1;
    r.SupplierId = 1;
    r.HandmanId = 1;
    r.UserCode = QStringLiteral("U-1");
    r.BatchNo = QStringLiteral("B7");
    r.Note = QStringLiteral("首批");
    r.Billman = AppOperator().LoginId;
    r.Lines = lines;
    double total = 0;
    for (const RPutindl& l : r.Lines)
        total += l.Fund.toDouble();
    r.Fund = total;
    return r;
}

}  // namespace

class PutinBillTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveAndLoadRoundTrip();
    void codeSequence_data();
    void codeSequence();
    void keepList_data();
    void keepList();
    void updateRefusals_data();
    void updateRefusals();
    void removeOutcomes_data();
    void removeOutcomes();
    void auditAndUnaudit();
    void switchCheckFollowsStoredState_data();
    void switchCheckFollowsStoredState();
    void auditNeedsRight();
    void afterWriteRefusalWritesNothing_data();
    void afterWriteRefusalWritesNothing();
    void afterWriteSeesDocument();
    void staleLineCannotTouchAnotherDocument();
    void databaseErrorRollsBackAndPassesOn();
    void stepping();
    void concurrentSavesGetDistinctKeysAndCodes();

private:
    TDatabase* db_ = nullptr;
    PromptRecorder* prompts_ = nullptr;
    RPutin SavedPutin();
};

void PutinBillTest::init() {
    db_ = new TDatabase(QStringLiteral("t_putin"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    AddDocumentFixture(*db_);
    LogInAs(QStringLiteral("sa"));
    prompts_ = new PromptRecorder;
}

void PutinBillTest::cleanup() {
    delete prompts_;
    prompts_ = nullptr;
    delete db_;
    db_ = nullptr;
    AppOperator().Clear();
}

RPutin PutinBillTest::SavedPutin() {
    RPutin r = NewPutin({LineOf(1, 10, 1.5), LineOf(2, 4, 2)});
    QString msg;
    if (!TPutinBill2::Save(r, msg, {}, nullptr, *db_))
        qWarning("save failed: %s", qPrintable(msg));
    return r;
}

void PutinBillTest::saveAndLoadRoundTrip() {
    RPutin r = NewPutin({LineOf(1, 10, 1.5), LineOf(2, 4, 2)});
    QString msg = QStringLiteral("old");
    QVERIFY(TPutinBill2::Save(r, msg, {}, nullptr, *db_));
    QVERIFY(msg.isEmpty());
    QCOMPARE(r.Id, 1);
    QCOMPARE(r.Code, CodeOf(QStringLiteral("NK"), *db_, 1));
    QVERIFY(r.BillTime.toDateTime().isValid());
    QCOMPARE(r.Lines[0].dlId, 1);
    QCOMPARE(r.Lines[1].dlId, 2);

    RPutin loaded;
    loaded.Id = r.Id;
    QVERIFY(TPutinBill2::Load(loaded, *db_));
    QCOMPARE(loaded.Code, r.Code);
    QCOMPARE(loaded.UserCode, QStringLiteral("U-1"));
    QCOMPARE(loaded.BizDate.toDate(), QDate(2026, 3, 15));
    QCOMPARE(loaded.HouseName, QStringLiteral("甲库"));
    QCOMPARE(loaded.SupplierName, QStringLiteral("东方供应"));
    QCOMPARE(loaded.SignName, QStringLiteral("正常入库"));
    QCOMPARE(loaded.TypeName, QStringLiteral("采购"));
    QCOMPARE(loaded.HandmanName, QStringLiteral("张三"));
    QVERIFY(loaded.DeptId.isNull());
    QVERIFY(loaded.DeptName.isEmpty());
    QVERIFY(loaded.CheckTime.isNull());
    QCOMPARE(loaded.BatchNo, QStringLiteral("B7"));
    QCOMPARE(loaded.Note, QStringLiteral("首批"));
    QCOMPARE(loaded.Billman, QStringLiteral("sa"));
    QCOMPARE(loaded.BillTime.toDateTime(), r.BillTime.toDateTime());
    QCOMPARE(loaded.Fund.toDouble(), 23.0);
    QCOMPARE(loaded.Lines.size(), 2);
    QCOMPARE(loaded.Lines[1].WareCode, QStringLiteral("A002"));
    QCOMPARE(loaded.Lines[1].WarePackage, QStringLiteral("盒"));
    QCOMPARE(loaded.Lines[1].WareOutPrice.toDouble(), 3.0);
    QCOMPARE(loaded.Lines[1].WareCostId, 1);
    QCOMPARE(loaded.Lines[1].Qty.toDouble(), 4.0);
    QCOMPARE(loaded.Lines[1].MastId, r.Id);

    RPutin missing;
    missing.Id = 99;
    QVERIFY(!TPutinBill2::Load(missing, *db_));
}

void PutinBillTest::codeSequence_data() {
    QTest::addColumn<QStringList>("stored");  // codes already there: "cur:0007", "prev:0042"
    QTest::addColumn<int>("expected");        // sequence of the new code; 0 = refused
    QTest::newRow("first of the month") << QStringList() << 1;
    QTest::newRow("next in the month") << QStringList{"cur:0001", "cur:0002"} << 3;
    QTest::newRow("gap keeps the highest") << QStringList{"cur:0005"} << 6;
    QTest::newRow("new month starts again") << QStringList{"prev:0042"} << 1;
    QTest::newRow("beyond a thousand") << QStringList{"cur:0999", "cur:1000"} << 1001;
    QTest::newRow("last code of the month") << QStringList{"cur:9998"} << 9999;
    QTest::newRow("month used up") << QStringList{"cur:9999", "cur:0001"} << 0;
    QTest::newRow("five-digit code counts by number") << QStringList{"cur:9999", "cur:10000"} << 0;
}

void PutinBillTest::codeSequence() {
    QFETCH(QStringList, stored);
    QFETCH(int, expected);
    const QDate today = db_->ServerNow().date();
    const QString cur = QStringLiteral("NK") + today.toString(QStringLiteral("yyMM"));
    const QString prev =
        QStringLiteral("NK") + today.addMonths(-1).toString(QStringLiteral("yyMM"));
    int id = 0;
    for (const QString& s : stored) {
        const QString code = (s.startsWith(QLatin1String("cur")) ? cur : prev) + s.mid(4);
        db_->ExecSql(
            QStringLiteral("insert into putin(Id, Code, Billman) values(:Id, :Code, 'sa')"),
            {DBParam(QStringLiteral("Id"), ++id), DBParam(QStringLiteral("Code"), code)});
    }
    // Codes of another kind never count.
    db_->Execute(QStringLiteral("insert into takeout(Id, Code, Billman) values(1, '%1', 'sa')")
                     .arg(QStringLiteral("CK") + cur.mid(2) + QStringLiteral("0500")));

    RPutin r = NewPutin();
    QString msg;
    const bool saved = TPutinBill2::Save(r, msg, {}, nullptr, *db_);
    if (expected == 0) {
        QVERIFY(!saved);
        QCOMPARE(msg, BillCodesExhaustedText());
        QCOMPARE(r.Id, 0);
        QVERIFY(r.Code.isEmpty());
        QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin")), stored.size());
        QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), 0);
    } else {
        QVERIFY2(saved, qPrintable(msg));
        QCOMPARE(r.Code, cur + QStringLiteral("%1").arg(expected, 4, 10, QLatin1Char('0')));
        QCOMPARE(r.Code.size(), 10);
    }
}

void PutinBillTest::keepList_data() {
    QTest::addColumn<QList<int>>("kept");  // positions of the three saved lines still held
    QTest::addColumn<int>("added");
    QTest::newRow("middle line removed") << QList<int>{0, 2} << 0;
    QTest::newRow("one removed, one added") << QList<int>{1} << 1;
    QTest::newRow("all removed") << QList<int>{} << 0;
    QTest::newRow("all replaced by two new") << QList<int>{} << 2;
    QTest::newRow("all kept") << QList<int>{0, 1, 2} << 0;
}

void PutinBillTest::keepList() {
    QFETCH(QList<int>, kept);
    QFETCH(int, added);
    RPutin other = NewPutin({LineOf(3, 1, 1)});
    QString msg;
    QVERIFY(TPutinBill2::Save(other, msg, {}, nullptr, *db_));
    RPutin r = NewPutin({LineOf(1, 1, 1), LineOf(2, 2, 1), LineOf(3, 3, 1)});
    QVERIFY(TPutinBill2::Save(r, msg, {}, nullptr, *db_));

    RPutindls lines;
    for (int i : kept)
        lines << r.Lines[i];
    for (int i = 0; i < added; ++i)
        lines << LineOf(2, 7 + i, 2);
    r.Lines = lines;
    QVERIFY2(TPutinBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));

    RPutin loaded;
    loaded.Id = r.Id;
    QVERIFY(TPutinBill2::Load(loaded, *db_));
    QCOMPARE(loaded.Lines.size(), kept.size() + added);
    for (int i = 0; i < loaded.Lines.size(); ++i) {
        QCOMPARE(loaded.Lines[i].dlId, r.Lines[i].dlId);
        QCOMPARE(loaded.Lines[i].Qty.toDouble(), r.Lines[i].Qty.toDouble());
    }
    // New lines get fresh keys; the other document keeps its line.
    for (int i = kept.size(); i < r.Lines.size(); ++i)
        QVERIFY(r.Lines[i].dlId > 1);
    QCOMPARE(
        CountOf(*db_, QStringLiteral("select count(*) from putindl where MastId=%1").arg(other.Id)),
        1);
}

void PutinBillTest::updateRefusals_data() {
    QTest::addColumn<QString>("meanwhile");  // SQL run by "another workstation"
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not the preparer")
        << QString() << "bob" << QStringLiteral("操作员bob不是单据的编制人sa,不允许修改.");
    QTest::newRow("audited meanwhile")
        << "update putin set Checkman='amy', CheckTime='2026-03-16 09:30:00'"
        << "sa" << QStringLiteral("单据已经被用户amy在2026-03-16 09:30:00时审核.");
    QTest::newRow("deleted meanwhile") << "delete from putindl; delete from putin"
                                       << "sa" << QStringLiteral("单据已经被删除.");
}

void PutinBillTest::updateRefusals() {
    QFETCH(QString, meanwhile);
    QFETCH(QString, login);
    QFETCH(QString, expected);
    RPutin r = SavedPutin();
    for (const QString& sql : meanwhile.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        db_->Execute(sql);
    LogInAs(login);
    const RPutin held = r;
    r.UserCode = QStringLiteral("changed");
    r.Lines[0].Qty = 99;
    r.Lines.removeLast();
    r.Lines << LineOf(3, 5, 5);
    QString msg;
    QVERIFY(!TPutinBill2::Save(r, msg, {}, nullptr, *db_));
    QCOMPARE(msg, expected);
    QCOMPARE(r.Lines.last().dlId, 0);  // the record is handed back unchanged
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin where UserCode='changed'")),
             0);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl where Qty=99 or WareId=3")),
             0);
    if (meanwhile.isEmpty())
        QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), held.Lines.size());
}

void PutinBillTest::removeOutcomes_data() {
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("expected");  // empty = removed
    QTest::newRow("removed") << QString() << "sa" << QString();
    QTest::newRow("deleted meanwhile") << "delete from putindl; delete from putin"
                                       << "sa" << QStringLiteral("记录已经被其他用户删除.");
    QTest::newRow("audited by another")
        << "update putin set Checkman='amy', CheckTime='2026-03-16 09:30:00'"
        << "sa" << QStringLiteral("单据已经被其他用户amy审核,不允许删除.");
    QTest::newRow("audited, not the preparer")
        << "update putin set Checkman='amy', CheckTime='2026-03-16 09:30:00'"
        << "bob" << QStringLiteral("操作员bob不是单据的编制人sa,不允许删除.");
}

void PutinBillTest::removeOutcomes() {
    QFETCH(QString, meanwhile);
    QFETCH(QString, login);
    QFETCH(QString, expected);
    const RPutin r = SavedPutin();
    const qint64 linesBefore = CountOf(*db_, QStringLiteral("select count(*) from putindl"));
    for (const QString& sql : meanwhile.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        db_->Execute(sql);
    LogInAs(login);
    QString msg = QStringLiteral("old");
    const bool removed = TPutinBill2::Remove(r, msg, *db_);
    QCOMPARE(msg, expected);
    QCOMPARE(removed, expected.isEmpty());
    if (removed) {
        QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin")), 0);
        QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), 0);
    } else if (meanwhile.startsWith(QLatin1String("update"))) {
        // A refused delete leaves the lines in place.
        QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), linesBefore);
    }
}

void PutinBillTest::auditAndUnaudit() {
    RPutin r = SavedPutin();
    LogInAs(QStringLiteral("amy"), QStringLiteral(",26,"));
    QVERIFY(TPutinBill2::SwitchCheck(r, *db_));
    QCOMPARE(r.Checkman, QStringLiteral("amy"));
    QVERIFY(r.CheckTime.toDateTime().isValid());
    RPutin stored;
    stored.Id = r.Id;
    QVERIFY(TPutinBill2::Load(stored, *db_));
    QCOMPARE(stored.Checkman, QStringLiteral("amy"));
    QCOMPARE(stored.CheckTime.toDateTime(), r.CheckTime.toDateTime());

    // An audited document refuses the preparer's update.
    LogInAs(QStringLiteral("sa"));
    QString msg;
    RPutin edit = stored;
    QVERIFY(!TPutinBill2::Save(edit, msg, {}, nullptr, *db_));
    QVERIFY(msg.startsWith(QStringLiteral("单据已经被用户amy在")));

    // Only the auditor may undo the audit, even the super user may not.
    prompts_->Clear();
    QVERIFY(!TPutinBill2::SwitchCheck(r, *db_));
    QCOMPARE(prompts_->Texts(),
             QStringList{FramePromptText(
                 TPromptKind::Info, QStringLiteral("不能反审核该单据,因为您不是该单据的审核人."))});
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin where Checkman='amy'")), 1);

    LogInAs(QStringLiteral("amy"), QStringLiteral(",26,"));
    QVERIFY(TPutinBill2::SwitchCheck(r, *db_));
    QVERIFY(r.Checkman.isEmpty());
    QVERIFY(r.CheckTime.isNull());
    QVERIFY(TPutinBill2::Load(stored, *db_));
    QVERIFY(stored.Checkman.isEmpty());
    QVERIFY(stored.CheckTime.isNull());
}

void PutinBillTest::switchCheckFollowsStoredState_data() {
    QTest::addColumn<QString>("heldCheckman");  // what the editor's record shows
    QTest::addColumn<QString>("stored");        // SQL putting the stored row in another state
    QTest::newRow("audit of a row audited meanwhile")
        << QString() << "update putin set Checkman='bob', CheckTime='2026-03-16 09:30:00'";
    QTest::newRow("un-audit of a row un-audited meanwhile")
        << "amy"
        << "update putin set Checkman='', CheckTime=null";
    QTest::newRow("un-audit of a row audited again by another")
        << "amy"
        << "update putin set Checkman='bob', CheckTime='2026-03-16 09:30:00'";
    QTest::newRow("audit of a deleted row")
        << QString() << "delete from putindl; delete from putin";
}

void PutinBillTest::switchCheckFollowsStoredState() {
    QFETCH(QString, heldCheckman);
    QFETCH(QString, stored);
    RPutin r = SavedPutin();
    if (!heldCheckman.isEmpty()) {
        LogInAs(heldCheckman, QStringLiteral(",26,"));
        QVERIFY(TPutinBill2::SwitchCheck(r, *db_));
    }
    for (const QString& sql : stored.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        db_->Execute(sql);
    const qint64 auditedBefore =
        CountOf(*db_, QStringLiteral("select count(*) from putin where CheckTime is not null"));
    const RPutin held = r;
    QVERIFY(!TPutinBill2::SwitchCheck(r, *db_));
    QCOMPARE(r.Checkman, held.Checkman);
    QCOMPARE(r.CheckTime, held.CheckTime);
    QCOMPARE(
        CountOf(*db_, QStringLiteral("select count(*) from putin where CheckTime is not null")),
        auditedBefore);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin where Checkman='amy'")), 0);
}

void PutinBillTest::auditNeedsRight() {
    RPutin r = SavedPutin();
    LogInAs(QStringLiteral("bob"), QStringLiteral(",16,27,"));
    QVERIFY_THROWS_EXCEPTION(EAbort, TPutinBill2::SwitchCheck(r, *db_));
    QCOMPARE(prompts_->Last(),
             FramePromptText(TPromptKind::Info,
                             QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(26).")));
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin where CheckTime is null")),
             1);
}

void PutinBillTest::afterWriteRefusalWritesNothing_data() {
    QTest::addColumn<bool>("existing");
    QTest::newRow("new document") << false;
    QTest::newRow("existing document") << true;
}

void PutinBillTest::afterWriteRefusalWritesNothing() {
    QFETCH(bool, existing);
    RPutin r = existing ? SavedPutin() : NewPutin({LineOf(1, 1, 1), LineOf(2, 2, 2)});
    const qint64 headers = CountOf(*db_, QStringLiteral("select count(*) from putin"));
    if (existing) {
        r.Lines.removeFirst();
        r.Lines[0].Qty = 50;
        r.Lines << LineOf(3, 9, 9);
        r.UserCode = QStringLiteral("changed");
    }
    const RPutin held = r;
    QString msg = QStringLiteral("old");
    QVERIFY(!TPutinBill2::Save(
        r, msg, [](QObject*, const RPutin&) { return false; }, nullptr, *db_));
    QVERIFY(msg.isEmpty());
    QCOMPARE(r.Id, held.Id);
    QCOMPARE(r.Code, held.Code);
    QCOMPARE(r.Lines.last().dlId, held.Lines.last().dlId);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin")), headers);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin where UserCode='changed'")),
             0);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), existing ? 2 : 0);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl where Qty=50 or WareId=3")),
             0);
    // The same record saves once the check lets it through.
    QVERIFY2(TPutinBill2::Save(r, msg, {}, nullptr, *db_), qPrintable(msg));
    QCOMPARE(r.Code, existing ? held.Code : CodeOf(QStringLiteral("NK"), *db_, 1));
}

void PutinBillTest::afterWriteSeesDocument() {
    RPutin r = NewPutin({LineOf(1, 1, 1), LineOf(2, 2, 2)});
    qint64 linesSeen = -1;
    qint64 idSeen = 0;
    QString msg;
    TDatabase* db = db_;
    QVERIFY(TPutinBill2::Save(
        r, msg,
        [&](QObject*, const RPutin& bill) {
            idSeen = bill.Id;
            linesSeen = CountOf(
                *db, QStringLiteral("select count(*) from putindl where MastId=%1").arg(bill.Id));
            return true;
        },
        nullptr, *db_));
    QCOMPARE(idSeen, r.Id);
    QCOMPARE(linesSeen, 2);
}

void PutinBillTest::staleLineCannotTouchAnotherDocument() {
    const RPutin a = SavedPutin();
    RPutin b = NewPutin({LineOf(3, 1, 1)});
    QString msg;
    QVERIFY(TPutinBill2::Save(b, msg, {}, nullptr, *db_));
    // An editor of b holds a line key that belongs to a.
    b.Lines[0].dlId = a.Lines[0].dlId;
    b.Lines[0].Qty = 77;
    QVERIFY(!TPutinBill2::Save(b, msg, {}, nullptr, *db_));
    QCOMPARE(msg, QStringLiteral("主表insert未返回正确标识,原因未知."));
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl where Qty=77")), 0);
    QCOMPARE(
        CountOf(*db_, QStringLiteral("select count(*) from putindl where MastId=%1").arg(a.Id)),
        a.Lines.size());
    QCOMPARE(
        CountOf(*db_, QStringLiteral("select count(*) from putindl where MastId=%1").arg(b.Id)), 1);
}

void PutinBillTest::databaseErrorRollsBackAndPassesOn() {
    RPutin r = NewPutin({LineOf(1, 1, 1), LineOf(999, 1, 1)});  // no ware 999
    QString msg;
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, TPutinBill2::Save(r, msg, {}, nullptr, *db_));
    QVERIFY(!db_->InTransaction());
    QCOMPARE(r.Id, 0);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putin")), 0);
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), 0);
}

void PutinBillTest::stepping() {
    qint64 last = -1;
    QVERIFY(!TPutinBill2::LastId(last, *db_));
    QCOMPARE(last, 0);
    for (int id : {2, 5, 9})
        db_->Execute(
            QStringLiteral("insert into putin(Id, Code, Billman) values(%1, 'X%1', 'sa')").arg(id));
    QVERIFY(TPutinBill2::LastId(last, *db_));
    QCOMPARE(last, 9);
    const QList<QList<int>> cases{{0, 0, 2}, {2, 0, 5}, {5, 2, 9}, {9, 5, 0}, {7, 5, 9}};
    for (const QList<int>& c : cases) {
        RPutin r;
        r.Id = c[0];
        QCOMPARE(TPutinBill2::PriorId(r, *db_), c[1]);
        QCOMPARE(TPutinBill2::NextId(r, *db_), c[2]);
    }
}

namespace {

// Saves documents on its own connection to the test database.
class SaverThread : public QThread {
public:
    SaverThread(QString connection, int count, int index)
        : connection_(std::move(connection)), count_(count), index_(index) {}
    QStringList Codes;
    QList<qint64> Ids;
    QList<qint64> LineIds;
    QString Error;

protected:
    void run() override {
        TDatabase db(QStringLiteral("t_saver%1").arg(index_));
        if (!db.TryConnect(connection_, &Error))
            return;
        try {
            for (int i = 0; i < count_; ++i) {
                RPutin r = NewPutin({LineOf(1, 1, 1), LineOf(2, 1, 1)});
                r.Billman = QStringLiteral("sa");
                QString msg;
                if (!TPutinBill2::Save(r, msg, {}, nullptr, db)) {
                    Error = msg;
                    return;
                }
                Codes << r.Code;
                Ids << r.Id;
                for (const RPutindl& l : r.Lines)
                    LineIds << l.dlId;
            }
        } catch (const EDatabaseError& e) {
            Error = e.Message();
        }
    }

private:
    QString connection_;
    int count_;
    int index_;
};

}  // namespace

void PutinBillTest::concurrentSavesGetDistinctKeysAndCodes() {
    const int perThread = 12;
    SaverThread a(db_->ConnectionString(), perThread, 1);
    SaverThread b(db_->ConnectionString(), perThread, 2);
    a.start();
    b.start();
    QVERIFY(a.wait());
    QVERIFY(b.wait());
    QVERIFY2(a.Error.isEmpty(), qPrintable(a.Error));
    QVERIFY2(b.Error.isEmpty(), qPrintable(b.Error));
    const QStringList codes = a.Codes + b.Codes;
    const std::set<QString> distinctCodes(codes.begin(), codes.end());
    QCOMPARE(int(distinctCodes.size()), 2 * perThread);
    const QList<qint64> ids = a.Ids + b.Ids;
    QCOMPARE(int(std::set<qint64>(ids.begin(), ids.end()).size()), 2 * perThread);
    const QList<qint64> lineIds = a.LineIds + b.LineIds;
    QCOMPARE(int(std::set<qint64>(lineIds.begin(), lineIds.end()).size()), 4 * perThread);
    QCOMPARE(*distinctCodes.rbegin(), CodeOf(QStringLiteral("NK"), *db_, 2 * perThread));
    QCOMPARE(CountOf(*db_, QStringLiteral("select count(*) from putindl")), 4 * perThread);
}

LUMORA_TEST_MAIN(PutinBillTest)
#include "db_putinbill.moc"
