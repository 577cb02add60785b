#pragma once

#include "shell/ui/Application.h"
#include "support/TestSupport.h"

// Window tests run under the program's own application object.
#define LUMORA_UI_TEST_MAIN(TestObject)       \
    int main(int argc, char** argv) {         \
        PrepareTestEnvironment();             \
        TApplication app(argc, argv);         \
        TestObject tc;                        \
        QTEST_SET_MAIN_SOURCE_PATH            \
        return QTest::qExec(&tc, argc, argv); \
    }
