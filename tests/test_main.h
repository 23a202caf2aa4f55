// Runs several Qt Test classes from one executable and fails if any of them fails.
// Named test functions on the command line run only in the classes that have them.
#pragma once

#include <QtTest>

template <class Test>
int RunTest(int argc, char** argv) {
    Test test;
    bool named = false, mine = false;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') break;
        named = true;
        const QByteArray function = QByteArray(argv[i]).split(':').first();
        for (int m = 0; m < test.metaObject()->methodCount(); ++m)
            if (test.metaObject()->method(m).name() == function) mine = true;
    }
    if (named && !mine) return 0;
    return QTest::qExec(&test, argc, argv);
}

template <class... Tests>
int RunTests(int argc, char** argv) {
    return (RunTest<Tests>(argc, argv) + ...);
}
