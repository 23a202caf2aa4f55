#include "../window_test_main.h"
#include "tests.h"

int main(int argc, char** argv) {
    return RunWindowTests<TestLayout, TestResults, TestInputs, TestPrinting, TestLocation, TestJobs,
                          TestExport, TestKeys, TestCollaborators, TestUnits>(argc, argv);
}
