// The objects the main window is made of, each on its own: the comparison session's signals,
// the page readying for print and export, and the job files object.
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "comparison_session.h"
#include "input_box.h"
#include "job_file.h"
#include "job_files.h"
#include "location_table.h"
#include "page_readier.h"
#include "place_lookup.h"
#include "scripted_prompts.h"
#include "temp_settings.h"
#include "tests.h"
#include "window_units.h"

using namespace vevi;

namespace {

// Inputs that give no finite result: an elevation with no pressure.
ComparisonInputs NoResultInputs() {
    ComparisonInputs in;
    in.Elevation = "200000";
    return in;
}

QList<bool> Signals(const QSignalSpy& spy) {
    QList<bool> s;
    for (const QList<QVariant>& args : spy) s << args.at(0).toBool();
    return s;
}

// The nine boxes of the window's layout on a bare widget.
struct Boxes {
    QWidget window;
    JobFiles::Boxes boxes{};
    Boxes() {
        for (const layout::BoxSpec& row : layout::Boxes())
            boxes[static_cast<std::size_t>(row.field)] = new InputBox(row, &window);
    }
    InputBox* Box(Field f) const { return boxes[static_cast<std::size_t>(f)]; }
};

}  // namespace

// Steps: s = start with the design inputs, x = start with inputs that give no result,
// t = stop. Every "shown" mirror of the window follows the signal, so it must come exactly
// once per change and never for a step that changes nothing.
void TestCollaborators::sessionSignals_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<bool>>("emitted");
    QTest::addColumn<bool>("shown");
    QTest::newRow("start") << "s" << QList<bool>{true} << true;
    QTest::newRow("start, stop") << "st" << QList<bool>{true, false} << false;
    QTest::newRow("stop before any start") << "t" << QList<bool>{} << false;
    QTest::newRow("second stop says nothing") << "stt" << QList<bool>{true, false} << false;
    QTest::newRow("no result shows nothing") << "x" << QList<bool>{} << false;
    QTest::newRow("start again after a stop") << "sts" << QList<bool>{true, false, true} << true;
}

void TestCollaborators::sessionSignals() {
    QFETCH(QString, steps);
    QFETCH(QList<bool>, emitted);
    QFETCH(bool, shown);
    ComparisonSession session;
    QSignalSpy spy(&session, &ComparisonSession::shownChanged);
    for (QChar step : steps) {
        if (step == 's') QVERIFY(session.Start(ComparisonInputs()));
        if (step == 'x') QVERIFY(!session.Start(NoResultInputs()));
        if (step == 't') session.Stop();
        // What the signal last said is what the session says now.
        QCOMPARE(session.Shown(), session.Report() != nullptr);
    }
    QCOMPARE(Signals(spy), emitted);
    QCOMPARE(session.Shown(), shown);
}

// A stop forgets the report, so nothing copies or exports a comparison no longer shown; the
// shared values stay for the next start, and a refused start leaves them as they were.
void TestCollaborators::sessionKeepsSharedValues() {
    ComparisonSession session;
    QVERIFY(session.Start(ComparisonInputs()));
    QCOMPARE(session.Report()->result.DrawThru.Rise, 110.0);
    session.Stop();
    QVERIFY(!session.Report());
    QCOMPARE(session.Shared().DrawThruRise, 110.0);
    QVERIFY(!session.Start(NoResultInputs()));
    QCOMPARE(session.Shared().DrawThruRise, 110.0);
    QCOMPARE(session.Shared().SavedDrawThruDisTemp, std::string("140"));
}

// While shown, the limit boxes hold actual values; the user's limits are those started with.
void TestCollaborators::sessionUserInputs() {
    ComparisonSession session;
    ComparisonInputs boxes;
    boxes.DrawThruDisTemp = "110";  // what the window writes there while shown
    boxes.IndoorTemp = "70";
    QCOMPARE(session.UserInputs(boxes).DrawThruDisTemp, std::string("110"));
    QVERIFY(session.Start(ComparisonInputs()));
    const ComparisonInputs user = session.UserInputs(boxes);
    QCOMPARE(user.DrawThruDisTemp, std::string("140"));
    QCOMPARE(user.BloThruTempRise, std::string("160"));
    QCOMPARE(user.IndoorTemp, std::string("70"));  // not a limit: as the box holds it
}

void TestCollaborators::pageReadier_data() {
    QTest::addColumn<bool>("turning");
    QTest::addColumn<QList<bool>>("visible");  // the three buttons before
    QTest::newRow("comparison shown") << true << QList<bool>{true, true, true};
    QTest::newRow("formulas button hidden") << true << QList<bool>{true, true, false};
    QTest::newRow("wheels still") << false << QList<bool>{true, true, false};
    QTest::newRow("nothing shown") << false << QList<bool>{false, false, false};
}

// Ready leaves the buttons out and the wheels still; Restore puts back exactly what was there
// and no more.
void TestCollaborators::pageReadier() {
    QFETCH(bool, turning);
    QFETCH(QList<bool>, visible);
    QWidget page;
    QTimer wheels;
    wheels.setInterval(250);
    std::vector<QWidget*> buttons;
    for (bool v : visible) {
        buttons.push_back(new QWidget(&page));
        buttons.back()->setVisible(v);
    }
    page.show();
    if (turning) wheels.start();
    PageReadier readier(&page, &wheels, buttons);
    {
        const PageReadier::Scope ready(readier);
        QVERIFY(!wheels.isActive());
        for (QWidget* b : buttons) QVERIFY(b->isHidden());
    }
    QCOMPARE(wheels.isActive(), turning);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        QCOMPARE(buttons[i]->isVisible(), visible[int(i)]);
    // A button that goes away while the page is out is not touched again.
    readier.Ready();
    delete buttons.front();
    readier.Restore();
    QCOMPARE(&readier.Page(), &page);
}

// A job that names a place of the table: the texts go into the boxes, the shown comparison
// stops, the location dialog is told where to open, and the place goes with exports while the
// site boxes hold its texts.
void TestCollaborators::jobFilesOpen_data() {
    QTest::addColumn<QString>("place");      // as the job names it
    QTest::addColumn<QString>("typedOver");  // then typed into the elevation box, if anything
    QTest::addColumn<QString>("shownPlace");
    QTest::newRow("no place") << ""
                              << ""
                              << "";
    QTest::newRow("place kept") << "Wyoming/Big Piney"
                                << ""
                                << "Wyoming/Big Piney";
    QTest::newRow("case and blanks") << " wyoming / big piney "
                                     << ""
                                     << "Wyoming/Big Piney";
    QTest::newRow("elevation typed over") << "Wyoming/Big Piney"
                                          << "1"
                                          << "";
    QTest::newRow("unknown place") << "Wyoming/Atlantis"
                                   << ""
                                   << "";
}

void TestCollaborators::jobFilesOpen() {
    QFETCH(QString, place);
    QFETCH(QString, typedOver);
    QFETCH(QString, shownPlace);
    TempSettings settings;
    settings.Clear();
    ScriptedPrompts prompts;
    SettingsStore store;
    ComparisonSession session;
    Boxes w;
    WindowUnits units(session, w.boxes, store, &w.window);
    JobFiles jobs(prompts, store, session, units, w.boxes, &w.window);
    QMenu file;
    jobs.AddMenuItems(&file);
    QVERIFY(session.Start(ComparisonInputs()));
    QSignalSpy shown(&session, &ComparisonSession::shownChanged);
    QSignalSpy opened(&jobs, &JobFiles::placeOpened);

    Job job;
    job.inputs.IndoorTemp = "68";
    job.inputs.Elevation = "6800";
    if (!place.isEmpty()) {
        const int slash = int(place.indexOf('/'));
        job.place = PlaceName{place.left(slash), place.mid(slash + 1)};
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("a.vevi");
    QCOMPARE(WriteJob(job, path), QString());
    QVERIFY(jobs.Open(path));
    QCOMPARE(prompts.Warnings(), QStringList());
    QCOMPARE(Signals(shown), QList<bool>{false});
    QCOMPARE(w.Box(Field::IndoorTemp)->text(), QString("68"));
    QCOMPARE(opened.size(), shownPlace.isEmpty() && typedOver.isEmpty() ? 0 : 1);
    if (!opened.isEmpty()) {
        const auto found =
            FindPlace(shownPlace.isEmpty() ? place.toStdString() : shownPlace.toStdString());
        QVERIFY(found);
        QCOMPARE(opened.first().at(0).toInt(), found->state);
        QCOMPARE(opened.first().at(1).toInt(), found->city);
    }
    if (!typedOver.isEmpty()) w.Box(Field::Elevation)->setText(typedOver);
    QCOMPARE(QString::fromStdString(jobs.ShownPlace()), shownPlace);
}
