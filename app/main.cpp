#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

#include "command_line.h"
#include "frm_halvex.h"
#include "toolkit_setup.h"
#include "version.h"

namespace {

// The formulas window is placed relative to the main window, which a Wayland compositor
// does not allow; through XWayland the placement holds.
void PreferX11UnderWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    if (qgetenv("XDG_SESSION_TYPE") == "wayland" && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

}  // namespace

int main(int argc, char** argv) {
    // Commands run headless: no platform plugin, no display.
    if (vevi::IsCommandLine(argc, argv)) {
        QCoreApplication app(argc, argv);
        return vevi::RunCommandLineOnConsole();
    }
    // Without a display the toolkit would abort; say what runs instead.
    if (const auto message =
            vevi::NoDisplay(QProcessEnvironment::systemEnvironment(), argc, argv)) {
        std::fprintf(stderr, "%s\n", qPrintable(*message));
        return 2;
    }
    // Read before the toolkit takes its own options out of the arguments.
    const QString job = vevi::JobFileArgument(argc, argv);
    PreferX11UnderWayland();
    vevi::FontConfigurationAhead fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName("vevi");
    QApplication::setApplicationVersion(vevi::kVersion);
    QGuiApplication::setDesktopFileName(vevi::kAppId);
    vevi::PrepareToolkit(QLocale());
    fonts.Wait();
    vevi::frmHalvex window;
    QObject::connect(&window, &vevi::frmHalvex::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.Form_Load();
    if (!job.isEmpty()) window.OpenJob(job);
    return app.exec();
}
