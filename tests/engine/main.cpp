#include "../test_main.h"
#include "tests.h"

int main(int argc, char** argv) {
    return RunTests<TestNumberText, TestFormulas, TestComparison, TestMatching, TestReportText,
                    TestUnits>(argc, argv);
}
