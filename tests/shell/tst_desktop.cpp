#include <QtTest/QTest>

#include "shell/Desktop.h"
#include "shell/DesktopPrograms.h"
#include "support/TestSupport.h"

namespace {

QList<std::optional<QPoint>> Positions(const TDesktop& desktop) {
    QList<std::optional<QPoint>> positions;
    for (const TDesktopIcon& icon : desktop.Icons)
        positions.append(icon.Pos);
    return positions;
}

QStringList Captions(const TDesktop& desktop) {
    QStringList captions;
    for (const TDesktopIcon& icon : desktop.Icons)
        captions.append(icon.Caption);
    return captions;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void loadSkipsWhatMatchesNothing();
    void loadIgnoringPositions();
    void storeWritesEveryIconOnce();
    void align_data();
    void align();
    void removeSelected();
    void arrangeSkipsTakenCells();
    void picker();
    void commandLines_data();
    void commandLines();
};

void DesktopTest::positions_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("two integers") << "120,48" << true << QPoint(120, 48);
    QTest::newRow("negative") << "-5,7" << true << QPoint(-5, 7);
    QTest::newRow("0,0 has no place") << "0,0" << false << QPoint();
    QTest::newRow("0,5 is a place") << "0,5" << true << QPoint(0, 5);
    QTest::newRow("no comma") << "120" << false << QPoint();
    QTest::newRow("text") << "a,b" << false << QPoint();
    QTest::newRow("decimal") << "1.5,2" << false << QPoint();
    QTest::newRow("three parts") << "1,2,3" << false << QPoint();
    QTest::newRow("empty") << "" << false << QPoint();
}

void DesktopTest::positions() {
    QFETCH(QString, value);
    QFETCH(bool, placed);
    QFETCH(QPoint, pos);
    const std::optional<QPoint> parsed = ParseDesktopPosition(value);
    QCOMPARE(parsed.has_value(), placed);
    if (placed)
        QCOMPARE(*parsed, pos);
}

void DesktopTest::loadSkipsWhatMatchesNothing() {
    TDesktop desktop;
    desktop.Load(QStringLiteral("货品=10,20\r\n旧的客户称呼=30,40\r\n\r\n出库登记=x,1\r\n"
                                "仓&库=0,0\n不是一行"),
                 MainMenuEntries(), true);
    QCOMPARE(Captions(desktop), (QStringList{"货品", "出库登记", "仓库"}));
    QCOMPARE(Positions(desktop),
             (QList<std::optional<QPoint>>{QPoint(10, 20), std::nullopt, std::nullopt}));
    QCOMPARE(desktop.Icons[0].EntryName, QStringLiteral("mnuWares1"));
    QCOMPARE(desktop.Icons[0].Tag, int(DataPicture));
    QCOMPARE(desktop.Icons[1].Tag, int(BusinessPicture));

    desktop.Load(QString(), MainMenuEntries(), true);
    QVERIFY(desktop.Icons.isEmpty());  // an empty Menus gives an empty desktop
}

void DesktopTest::loadIgnoringPositions() {
    TDesktop desktop;
    desktop.Load(QStringLiteral("货品=10,20\r\n仓库=30,40"), MainMenuEntries(), false);
    QCOMPARE(Positions(desktop), (QList<std::optional<QPoint>>{std::nullopt, std::nullopt}));
}

void DesktopTest::storeWritesEveryIconOnce() {
    TDesktop desktop;
    desktop.Load(QStringLiteral("货品=10,20\r\n旧的=1,1\r\n仓库=0,0\r\n货品=50,60"),
                 MainMenuEntries(), true);
    desktop.Icons[1].Pos = QPoint(7, 8);
    // The unmatched line is gone; a caption listed twice is stored once, with the last place.
    QCOMPARE(desktop.StoreText(), QStringLiteral("货品=50,60\r\n仓库=7,8"));
}

void DesktopTest::align_data() {
    QTest::addColumn<bool>("top");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<QPoint>>("expected");
    QTest::newRow("top of the first selected")
        << true << QList<int>{1, 2, 3} << QList<QPoint>{{10, 10}, {100, 40}, {200, 40}, {300, 40}};
    QTest::newRow("left of the first selected")
        << false << QList<int>{0, 2} << QList<QPoint>{{10, 10}, {100, 40}, {10, 70}, {300, 90}};
    QTest::newRow("one selected changes nothing")
        << true << QList<int>{2} << QList<QPoint>{{10, 10}, {100, 40}, {200, 70}, {300, 90}};
}

void DesktopTest::align() {
    QFETCH(bool, top);
    QFETCH(QList<int>, selected);
    QFETCH(QList<QPoint>, expected);
    TDesktop desktop;
    desktop.Load(QStringLiteral("仓库=10,10\r\n货品=100,40\r\n员工=200,70\r\n供货商=300,90"),
                 MainMenuEntries(), true);
    if (top)
        desktop.AlignTop(selected);
    else
        desktop.AlignLeft(selected);
    QList<QPoint> positions;
    for (const TDesktopIcon& icon : desktop.Icons)
        positions.append(*icon.Pos);
    QCOMPARE(positions, expected);
}

void DesktopTest::removeSelected() {
    TDesktop desktop;
    desktop.Load(QStringLiteral("仓库=1,1\r\n货品=2,2\r\n员工=3,3"), MainMenuEntries(), true);
    desktop.Remove({2, 0, 2});
    QCOMPARE(Captions(desktop), QStringList{"货品"});
}

void DesktopTest::arrangeSkipsTakenCells() {
    TDesktop desktop;
    desktop.Load(QStringLiteral("仓库=0,0\r\n货品=10,90\r\n员工=junk\r\n供货商=0,0"),
                 MainMenuEntries(), true);
    // Cells of 100 x 80, two rows, 10 from the edges: (10,10) (10,90) (110,10) (110,90)...
    desktop.Arrange(QSize(100, 80), 2, 10);
    QCOMPARE(Positions(desktop), (QList<std::optional<QPoint>>{QPoint(10, 10), QPoint(10, 90),
                                                               QPoint(110, 10), QPoint(110, 90)}));
    desktop.Arrange(QSize(100, 80), 2, 10, true);  // afresh: the stored place goes too
    QCOMPARE(Positions(desktop), (QList<std::optional<QPoint>>{QPoint(10, 10), QPoint(10, 90),
                                                               QPoint(110, 10), QPoint(110, 90)}));
    QCOMPARE(desktop.Icons[1].Caption, QStringLiteral("货品"));
}

void DesktopTest::picker() {
    TMenuPick pick(QStringLiteral("货品=10,20\r\n仓库=30,40\r\n入库登记=5,5"));
    QVERIFY(pick.IsPicked(QStringLiteral("货品")));
    QVERIFY(!pick.IsPicked(QStringLiteral("员工")));
    // The data page: 货品 stays ticked, 仓库 unticked, 员工 ticked anew.
    pick.Apply({"仓库", "货品", "员工"}, {"货品", "员工"});
    QCOMPARE(pick.Text(), QStringLiteral("货品=10,20\r\n入库登记=5,5\r\n员工=0,0"));
    pick.Apply({"仓库", "货品", "员工"}, {"货品", "员工"});  // applying again changes nothing
    QCOMPARE(pick.Text(), QStringLiteral("货品=10,20\r\n入库登记=5,5\r\n员工=0,0"));
}

void DesktopTest::commandLines_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("program alone") << "gedit" << QStringList{"gedit"};
    QTest::newRow("arguments") << "  kate  -n x.txt " << QStringList{"kate", "-n", "x.txt"};
    QTest::newRow("quoted") << "\"/opt/my calc/calc\" \"a b\""
                            << QStringList{"/opt/my calc/calc", "a b"};
    QTest::newRow("empty quotes") << "x \"\"" << QStringList{"x", ""};
    QTest::newRow("empty") << "" << QStringList{};
}

void DesktopTest::commandLines() {
    QFETCH(QString, command);
    QFETCH(QStringList, parts);
    QCOMPARE(SplitCommandLine(command), parts);
}

LUMORA_TEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
