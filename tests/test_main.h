// Runs several Qt Test classes from one executable and fails if any of them fails.
#pragma once

#include <QtTest>

template <class Test>
int RunTest(int argc, char** argv) {
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template <class... Tests>
int RunTests(int argc, char** argv) {
    return (RunTest<Tests>(argc, argv) + ...);
}
