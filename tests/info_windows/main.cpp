#include <QApplication>

#include "../window_test_main.h"
#include "tests.h"

int main(int argc, char** argv) {
    return RunWindowTests<TestFormulasWindow, TestAboutBox>(argc, argv);
}
