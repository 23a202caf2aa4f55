// A main window on the offscreen platform with scripted prompts and temporary settings.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "comparison_session.h"
#include "diagram_canvas.h"
#include "first_picture.h"
#include "frm_about.h"
#include "frm_cities.h"
#include "frm_formulas.h"
#include "frm_guide.h"
#include "frm_halvex.h"
#include "heater_diagram.h"
#include "input_box.h"
#include "scripted_prompts.h"
#include "temp_settings.h"
#include "twips.h"

struct Fixture {
    TempSettings& settings;
    ScriptedPrompts prompts;
    CountingStore store;
    std::unique_ptr<vevi::frmHalvex> w;
    int quits = 0;

    explicit Fixture(TempSettings& s, bool load = true) : settings(s) {
        w = std::make_unique<vevi::frmHalvex>(&prompts, &store);
        QObject::connect(w.get(), &vevi::frmHalvex::programEnded, [this] { ++quits; });
        if (load) {
            QSignalSpy pictured(w->findChild<vevi::FirstPicture*>(), &vevi::FirstPicture::shown);
            w->Form_Load();
            w->activateWindow();
            if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
            // What waits for the first picture is there, as it is for a user.
            if (pictured.isEmpty() && !pictured.wait()) qWarning("no first picture");
        }
    }
    QLabel* L(const char* name) const { return w->findChild<QLabel*>(name); }
    vevi::InputBox* B(const char* name) const { return w->findChild<vevi::InputBox*>(name); }
    QPushButton* Btn(const char* name) const { return w->findChild<QPushButton*>(name); }
    QAction* A(const char* name) const { return w->findChild<QAction*>(name); }
    bool Visible(const char* name) const { return L(name)->isVisibleTo(w.get()); }
    // The start button pressed, as a click or Enter on it presses it.
    void Go() { Btn("cmdGo")->click(); }
    vevi::ComparisonSession* Session() const { return w->findChild<vevi::ComparisonSession*>(); }
    bool Shown() const { return Session()->Shown(); }
    vevi::HeaterDiagram* Diagram() const { return w->findChild<vevi::HeaterDiagram*>(); }
    vevi::DiagramCanvas* Canvas() const { return w->findChild<vevi::DiagramCanvas*>(); }
    QTimer* Timer1() const { return w->findChild<QTimer*>("Timer1"); }
    // The secondary windows, once the window has made them; null before.
    template <class Window>
    static Window* Top(const char* name) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(name)) return qobject_cast<Window*>(top);
        return nullptr;
    }
    static vevi::frmFormulas* Formulas() { return Top<vevi::frmFormulas>("frmFormulas"); }
    static vevi::frmCities* Cities() { return Top<vevi::frmCities>("frmCities"); }
    static vevi::frmAbout* About() { return Top<vevi::frmAbout>("frmAbout"); }
    static vevi::frmGuide* Guide() { return Top<vevi::frmGuide>("frmGuide"); }
    // The recent jobs as the File menu lists them, newest first.
    QStringList RecentJobs() const {
        QStringList paths;
        for (QAction* item : w->findChild<QMenu*>("mnuRecentJobs")->actions())
            paths << item->toolTip();
        return paths;
    }
    // Lets queued work (the range check on leaving a box) run.
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
};
