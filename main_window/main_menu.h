// The main window's menu bar in the documented order, with the additions (job files, copy and
// export, keys, the guide) beside the documented items. The window connects the items to its
// handlers.
#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace vevi {

class JobFiles;
class ResultsExport;
class WindowUnits;

struct MainMenu {
    QMenu* printGraphics;
    QAction *color, *bw, *printFormulas, *exit;
    QAction *viewDetails, *viewPresentation;
    QAction *matchInput, *matchOutput, *matchNet, *matchAirflow, *saveSettings;
    QAction *about, *userGuide;
};

MainMenu BuildMainMenu(QMenuBar* bar, JobFiles& jobs, ResultsExport& results, WindowUnits& units);

}  // namespace vevi
