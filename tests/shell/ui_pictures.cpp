#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QtTest/QTest>

#include "shell/ui/Pictures.h"
#include "support/UiTestMain.h"

// The bundled pictures: present under the names the windows use, and of the sizes their
// places need (the banners fill a band of fixed height, the desktop icons are 48 x 48).
class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void bundled_data();
    void bundled();
    void bannerShownInsteadOfBand();
};

void PicturesTest::bundled_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("height");
    QTest::newRow("banner") << "banner.png" << 1280 << 100;
    QTest::newRow("bottom") << "bottom.png" << 1 << 48;
    QTest::newRow("login banner") << "login-banner.png" << 300 << 72;
    QTest::newRow("icon others") << "icon-other.png" << 48 << 48;
    QTest::newRow("icon data") << "icon-data.png" << 48 << 48;
    QTest::newRow("icon business") << "icon-business.png" << 48 << 48;
    QTest::newRow("icon reports") << "icon-report.png" << 48 << 48;
}

void PicturesTest::bundled() {
    QFETCH(QString, name);
    QFETCH(int, minWidth);
    QFETCH(int, height);
    QLabel probe;
    ShowPictureOrBand(&probe, name, height);  // registers the bundled resources
    const QImage image(QStringLiteral(":/pictures/") + name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.height(), height);
    QVERIFY(image.width() >= minWidth);
    if (name.startsWith(QLatin1String("icon-"))) {
        QCOMPARE(image.width(), 48);
        QVERIFY(image.hasAlphaChannel());  // the desktop's white shows round the tile
    }
}

void PicturesTest::bannerShownInsteadOfBand() {
    QLabel banner;
    ShowPictureOrBand(&banner, QStringLiteral("banner.png"), 100);
    QVERIFY(!banner.pixmap().isNull());
    QCOMPARE(banner.pixmap().height(), 100);
    QCOMPARE(banner.height(), 100);
}

LUMORA_UI_TEST_MAIN(PicturesTest)
#include "ui_pictures.moc"
