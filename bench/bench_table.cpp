// Runs the benchmarks, each against a baseline measured the same way in the same run, and
// prints one table.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "frm_halvex.h"

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Start {
    double ms;
    double peakMiB;
};

// Process start to the first paint, and the peak resident memory at that moment.
Start RunWindow(const QString& program, const QStringList& args) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    p.waitForStarted();
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(10000)) out += p.readAllStandardOutput();
    const double ms = t.nsecsElapsed() / 1e6;
    p.waitForFinished(10000);
    const QRegularExpressionMatch m = QRegularExpression("painted (\\d+)").match(out);
    return {ms, m.hasMatch() ? m.captured(1).toDouble() / 1024 : 0};
}

double CpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Press {
    std::vector<double> wall;
    std::vector<double> cpu;  // this process alone, without the display server's share
};

// The press of the start button to the repainted window, in the running program.
Press PressToRepaint(int runs) {
    vevi::frmHalvex window;
    window.Form_Load();
    QCoreApplication::processEvents();
    auto* go = window.findChild<QPushButton*>("cmdGo");
    Press times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const double cpu = CpuMs();
        go->click();
        window.repaint();  // paints everything the start changed, now
        times.wall.push_back(t.nsecsElapsed() / 1e6);
        times.cpu.push_back(CpuMs() - cpu);
        go->click();  // stop again
        QCoreApplication::processEvents();
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    const QString dir = QCoreApplication::applicationDirPath();
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    std::vector<double> startMain, startBase, startLabel, memMain, memBase;
    for (int i = 0; i < runs; ++i) {  // interleaved, so all see the same machine
        const Start a = RunWindow(dir + "/bench_window", {});
        const Start b = RunWindow(dir + "/bench_window", {"--baseline"});
        const Start c = RunWindow(dir + "/bench_window", {"--baseline-label"});
        startMain.push_back(a.ms);
        memMain.push_back(a.peakMiB);
        startBase.push_back(b.ms);
        memBase.push_back(b.peakMiB);
        startLabel.push_back(c.ms);
    }
    const Press press = PressToRepaint(runs * 3);

    QProcess anim;
    anim.start(dir + "/bench_animation", {"10"});
    anim.waitForFinished(60000);
    const QString animOut = anim.readAllStandardOutput();
    const QRegularExpressionMatch m =
        QRegularExpression("= ([0-9.]+)% of one core \\(standing still: [0-9.]+ s = ([0-9.]+)%")
            .match(animOut);

    std::printf("Benchmarks (%s platform, %d runs each, medians)\n",
                qPrintable(QGuiApplication::platformName()), runs);
    std::printf("| figure | program | baseline | ratio or difference | aim |\n");
    std::printf("|---|---|---|---|---|\n");
    const double sm = Median(startMain), sb = Median(startBase);
    const double sl = Median(startLabel);
    std::printf("| start-up to first paint | %.1f ms | %.1f ms (bare window) | %.2f x | |\n", sm,
                sb, sm / sb);
    std::printf(
        "| start-up to first paint | %.1f ms | %.1f ms (window with one label) | %.2f x | "
        "within 1.15 x |\n",
        sm, sl, sm / sl);
    const double mm = Median(memMain), mb = Median(memBase);
    std::printf("| peak resident memory | %.1f MiB | %.1f MiB | +%.1f MiB | within 10 MiB |\n", mm,
                mb, mm - mb);
    if (m.hasMatch())
        std::printf(
            "| animation, CPU over 10 s | %s %% | %s %% (standing still) | | under 0.5 %% |\n",
            qPrintable(m.captured(1)), qPrintable(m.captured(2)));
    std::printf(
        "| press of Fire 'em up! to repainted window | %.2f ms (CPU %.2f ms) | | | "
        "under 5 ms |\n",
        Median(press.wall), Median(press.cpu));
    return 0;
}
