// Starts the main window (or, with --baseline, a bare window of the same size and title; with
// --baseline-label, the same with one label of text, which pays the font system's first use),
// and at its first paint prints the peak resident memory, then exits.
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "frm_halvex.h"
#include "toolkit_setup.h"
#include "twips.h"

namespace {

// Reports the first paint of any widget of the window, after it has been handled.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("painted %ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bool baseline = argc > 1 && std::strncmp(argv[1], "--baseline", 10) == 0;
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--baseline-label") == 0;
    // As the program starts; the baselines are the toolkit alone.
    std::optional<vevi::FontConfigurationAhead> fonts;
    if (!baseline) fonts.emplace();
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    FirstPaint spy;
    app.installEventFilter(&spy);
    if (baseline) {
        auto window = std::make_unique<QMainWindow>();
        window->setWindowTitle("Vevi Razo ro. Vozo Veri Vevirazedo");
        window->setFixedSize(vevi::Px(10215), vevi::Px(6765));
        if (withLabel) window->setCentralWidget(new QLabel("Indoor Temperature"));
        window->show();
        return app.exec();
    }
    vevi::PrepareToolkit(QLocale());  // as the program does
    fonts->Wait();
    vevi::frmHalvex window;
    window.Form_Load();
    return app.exec();
}
