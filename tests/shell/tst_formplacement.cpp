#include <QtTest/QTest>

#include "shell/FormPlacement.h"
#include "shell/HelpPages.h"
#include "support/TestSupport.h"

class FormPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void frameEdges_data();
    void frameEdges();
    void helpTopics_data();
    void helpTopics();
    void helpPages_data();
    void helpPages();
    void contentsLinkEveryPage();
};

void FormPlacementTest::placement_data() {
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1024, 768);
    QTest::newRow("centred on the mouse")
        << QPoint(500, 400) << QSize(300, 200) << screen << QPoint(350, 300);
    QTest::newRow("odd size rounds toward zero")
        << QPoint(500, 400) << QSize(301, 201) << screen << QPoint(350, 300);
    QTest::newRow("off the left and top: 20")
        << QPoint(100, 50) << QSize(400, 300) << screen << QPoint(20, 20);
    QTest::newRow("exactly at the left edge stays")
        << QPoint(200, 150) << QSize(400, 300) << screen << QPoint(0, 0);
    QTest::newRow("past the right: 20 from it")
        << QPoint(1000, 400) << QSize(400, 300) << screen << QPoint(1024 - 400 - 20, 250);
    QTest::newRow("past the bottom: 50 from it")
        << QPoint(500, 760) << QSize(400, 300) << screen << QPoint(300, 768 - 300 - 50);
    QTest::newRow("bottom edge exactly 50 above stays")
        << QPoint(500, 568) << QSize(400, 300) << screen << QPoint(300, 418);
    QTest::newRow("second screen to the right")
        << QPoint(1100, 400) << QSize(400, 300) << QRect(1024, 0, 800, 600) << QPoint(1044, 250);
}

void FormPlacementTest::placement() {
    QFETCH(QPoint, cursor);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(PlaceNearCursor(cursor, size, screen), expected);
}

void FormPlacementTest::frameEdges_data() {
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("edges");
    // A 200 x 100 window.
    QTest::newRow("top-left corner") << QPoint(9, 9) << (TopEdge | LeftEdge);
    QTest::newRow("top-right corner") << QPoint(191, 3) << (TopEdge | RightEdge);
    QTest::newRow("bottom-right corner") << QPoint(195, 95) << (BottomEdge | RightEdge);
    QTest::newRow("bottom-left corner") << QPoint(2, 91) << (BottomEdge | LeftEdge);
    QTest::newRow("left edge") << QPoint(4, 50) << int(LeftEdge);
    QTest::newRow("not the left edge at 5") << QPoint(5, 50) << int(NoEdge);
    QTest::newRow("top edge") << QPoint(100, 4) << int(TopEdge);
    QTest::newRow("right edge") << QPoint(196, 50) << int(RightEdge);
    QTest::newRow("not the right edge at width - 5") << QPoint(195, 50) << int(NoEdge);
    QTest::newRow("bottom edge") << QPoint(100, 96) << int(BottomEdge);
    QTest::newRow("inside") << QPoint(100, 50) << int(NoEdge);
}

void FormPlacementTest::frameEdges() {
    QFETCH(QPoint, pos);
    QFETCH(int, edges);
    QCOMPARE(FrameEdgeAt(pos, QSize(200, 100)), edges);
}

void FormPlacementTest::helpTopics_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("topic");
    QTest::newRow("document editor") << "PutinBillFrm"
                                     << "PutinBill";
    QTest::newRow("options") << "OptionEdtFrm"
                             << "OptionEdt";
    QTest::newRow("last three characters whatever they are") << "main1Frm"
                                                             << "main1";
    QTest::newRow("three characters") << "Frm"
                                      << "";
    QTest::newRow("no name") << ""
                             << "";
}

void FormPlacementTest::helpTopics() {
    QFETCH(QString, name);
    QFETCH(QString, topic);
    QCOMPARE(HelpTopicOf(name), topic);
}

void FormPlacementTest::helpPages_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<bool>("found");
    QTest::newRow("main") << "main" << true;
    QTest::newRow("faq") << "faq" << true;
    QTest::newRow("a window's page") << "OptionEdt" << true;
    QTest::newRow("a window without a page") << "NoSuchWindow" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("a path is not a topic") << "../help/main" << false;
}

void FormPlacementTest::helpPages() {
    QFETCH(QString, topic);
    QFETCH(bool, found);
    QCOMPARE(!HelpPageFile(topic).isEmpty(), found);
}

void FormPlacementTest::contentsLinkEveryPage() {
    const QString html = HelpContentsHtml();
    QVERIFY(html.contains(QStringLiteral("href=\"main.html\"")));
    QVERIFY(html.contains(QStringLiteral("href=\"faq.html\">常见问题</a>")));
}

LUMORA_TEST_MAIN(FormPlacementTest)
#include "tst_formplacement.moc"
