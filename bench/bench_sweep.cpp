// The command line's heaviest command, `vevi sweep --format csv` (a comparison at each of the
// 519 places), as a user runs it: the whole process from start to exit. `vevi --version`,
// which starts and exits doing nothing, is the baseline.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Milliseconds from start to exit; the output goes to the null device.
double Run(const QStringList& args) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(VEVI_PROGRAM, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "vevi %s failed: %s\n", qPrintable(args.join(' ')),
                     p.readAllStandardError().constData());
        std::exit(1);
    }
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    const QStringList sweep = {"sweep", "--format", "csv"};
    const QStringList version = {"--version"};
    Run(sweep);  // once for the disk cache
    std::vector<double> sweepMs, versionMs;
    for (int i = 0; i < runs; ++i) {  // interleaved, so both see the same machine
        sweepMs.push_back(Run(sweep));
        versionMs.push_back(Run(version));
    }
    std::printf("Command line (%d runs each, medians)\n", runs);
    std::printf("| figure | program | baseline | ratio or difference | aim |\n");
    std::printf("|---|---|---|---|---|\n");
    const double s = Median(sweepMs), v = Median(versionMs);
    std::printf(
        "| `vevi sweep --format csv`, start to exit | %.1f ms | %.1f ms (`vevi --version`) | "
        "+%.1f ms | under 100 ms |\n",
        s, v, s - v);
    return 0;
}
