#include "../test_main.h"
#include "tests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return RunTests<TestLayout, TestResults, TestInputs, TestPrinting, TestLocation, TestKeys>(
        argc, argv);
}
