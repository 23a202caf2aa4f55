// A main window on the offscreen platform with scripted prompts and temporary settings.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "diagram_canvas.h"
#include "frm_halvex.h"
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
            w->Form_Load();
            w->activateWindow();
            if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
        }
    }
    QLabel* L(const char* name) const { return w->findChild<QLabel*>(name); }
    vevi::InputBox* B(const char* name) const { return w->findChild<vevi::InputBox*>(name); }
    QPushButton* Btn(const char* name) const { return w->findChild<QPushButton*>(name); }
    QAction* A(const char* name) const { return w->findChild<QAction*>(name); }
    bool Visible(const char* name) const { return L(name)->isVisibleTo(w.get()); }
    void Go() { w->cmdGo_Click(); }
    // Lets queued work (the range check on leaving a box) run.
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
};
