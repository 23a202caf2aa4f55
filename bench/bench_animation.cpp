// CPU time of a displayed comparison: the wheels turning for a while, against the same
// window standing still for as long.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "frm_halvex.h"

namespace {

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// Runs the event loop for `seconds` and gives the CPU seconds it used.
double CpuOver(double seconds) {
    const double before = ProcessCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    return ProcessCpuSeconds() - before;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    QTemporaryDir settings;  // the user's own settings stay untouched
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    vevi::frmHalvex window;
    window.Form_Load();
    CpuOver(1.0);  // let start-up painting settle

    const double idle = CpuOver(seconds);
    window.findChild<QPushButton*>("cmdGo")->click();
    CpuOver(0.5);
    const double animated = CpuOver(seconds);
    std::printf(
        "animation over %.0f s (%s): %.3f s CPU = %.2f%% of one core "
        "(standing still: %.3f s = %.2f%%)\n",
        seconds, qPrintable(QGuiApplication::platformName()), animated, 100 * animated / seconds,
        idle, 100 * idle / seconds);
    return 0;
}
