#include "main_menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "job_files.h"
#include "named_controls.h"
#include "results_export.h"
#include "window_units.h"

namespace vevi {

MainMenu BuildMainMenu(QMenuBar* bar, JobFiles& jobs, ResultsExport& results, WindowUnits& units) {
    MainMenu m{};
    bar->setObjectName("menuBar");
    QMenu* file = AddSubmenu(bar, "mnuFile", "&File");
    bar->addMenu(file);
    jobs.AddMenuItems(file);
    m.printGraphics = AddSubmenu(file, "mnuPrintGraphics", "Print &Graphics");
    file->addMenu(m.printGraphics);
    // Color's key works only while its submenu is offered: the toolkit takes no key for an
    // item of a disabled menu.
    m.color = AddMenuItem(m.printGraphics, "mnuColor", "&Color", Qt::CTRL | Qt::Key_P);
    m.bw = AddMenuItem(m.printGraphics, "mnuBW", "&B&&W");
    m.printFormulas = AddMenuItem(file, "mnuPrintFormulas", "Print &Formulas");
    results.AddMenuItems(file);
    m.exit = AddMenuItem(file, "mnuExit", "E&xit", Qt::CTRL | Qt::Key_Q);

    QMenu* view = AddSubmenu(bar, "mnuView", "&View");
    bar->addMenu(view);
    m.viewDetails = AddMenuItem(view, "mnuViewDetails", "&Details");
    m.viewDetails->setCheckable(true);
    m.viewDetails->setChecked(true);
    m.viewPresentation = AddMenuItem(view, "mnuViewPresentation", "&Presentation");
    m.viewPresentation->setCheckable(true);
    units.AddMenuItem(view);

    QMenu* special = AddSubmenu(bar, "mnuSpecial", "&Special");
    bar->addMenu(special);
    QMenu* matchCapacity = AddSubmenu(special, "mnuMatchCapacity", "Match &Capacity");
    special->addMenu(matchCapacity);
    m.matchInput = AddMenuItem(matchCapacity, "mnuMatchInputCapacity", "Input");
    m.matchOutput = AddMenuItem(matchCapacity, "mnuMatchOutputCapacity", "Output");
    m.matchNet = AddMenuItem(matchCapacity, "mnuMatchNetCapacity", "Net");
    m.matchAirflow = AddMenuItem(special, "mnuMatchAirflow", "Match &Airflow");
    // The toolkit inverts the check mark of a checkable item on each click.
    m.saveSettings = AddMenuItem(special, "mnuSaveSettings", "Save Settings on Exit");
    m.saveSettings->setCheckable(true);
    m.saveSettings->setChecked(true);

    QMenu* help = AddSubmenu(bar, "mnuHelp", "&Help");
    bar->addMenu(help);
    m.about = AddMenuItem(help, "mnuAbout", "&About");
    help->addSeparator();
    m.userGuide = AddMenuItem(help, "mnuUserGuide", "User &Guide", QKeySequence(Qt::Key_F1));
    QObject::connect(AddMenuItem(help, "mnuAboutQt", "About &Qt"), &QAction::triggered, qApp,
                     &QApplication::aboutQt);
    return m;
}

}  // namespace vevi
