#pragma once

#include <QApplication>

#include "support/TestSupport.h"

#define LUMORA_UI_TEST_MAIN(TestObject)       \
    int main(int argc, char** argv) {         \
        PrepareTestEnvironment();             \
        QApplication app(argc, argv);         \
        TestObject tc;                        \
        QTEST_SET_MAIN_SOURCE_PATH            \
        return QTest::qExec(&tc, argc, argv); \
    }
