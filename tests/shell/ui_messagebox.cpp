#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "shell/AppIdentity.h"
#include "shell/ui/MessageBoxPrompter.h"
#include "support/UiTestMain.h"

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void boxes_data();
    void boxes();
};

void MessageBoxTest::boxes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("yes");
    QTest::newRow("information") << int(TPromptKind::Info) << int(QMessageBox::Information)
                                 << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    QTest::newRow("delete") << int(TPromptKind::ConfirmDelete) << int(QMessageBox::Warning)
                            << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Ok);
    QTest::newRow("confirm") << int(TPromptKind::Confirm) << int(QMessageBox::Question)
                             << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes);
}

void MessageBoxTest::boxes() {
    QFETCH(int, kind);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, yes);
    QMessageBox box;
    const auto k = TPromptKind(kind);
    QCOMPARE(TMessageBoxPrompter::Prepare(box, k, FramePromptText(k, QStringLiteral("<b>x</b>"))),
             yes);
    QCOMPARE(box.windowTitle(), AppTitle);
    QCOMPARE(int(box.icon()), icon);
    QCOMPARE(int(box.standardButtons()), buttons);
    QCOMPARE(box.defaultButton(), box.button(QMessageBox::StandardButton(yes)));
    QVERIFY(!box.text().contains(QLatin1Char('\r')));
    QVERIFY(box.text().contains(QStringLiteral("<b>x</b>")));  // shown as typed, not as markup
    QCOMPARE(box.textFormat(), Qt::PlainText);
}

LUMORA_UI_TEST_MAIN(MessageBoxTest)
#include "ui_messagebox.moc"
