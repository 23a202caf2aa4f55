#include <QtTest>
#include <map>

#include "number_text.h"
#include "result_texts.h"
#include "test_fields.h"
#include "tests.h"

using namespace vevi;

namespace {

void CheckNear(double actual, double expected, double tolerance, const char* what) {
    QVERIFY2(Near(actual, expected, tolerance), qPrintable(QStringLiteral("%1: %2, expected %3")
                                                               .arg(what)
                                                               .arg(actual, 0, 'g', 12)
                                                               .arg(expected, 0, 'g', 12)));
}

ComparisonResult Run(const ComparisonInputs& in, SharedValues& s) {
    const auto r = ComputeComparison(in, s);
    if (!r) qFatal("comparison failed");
    return *r;
}

std::map<std::string, std::string> TextsOf(const std::vector<LabelText>& texts, TextWindow w) {
    std::map<std::string, std::string> m;
    for (const auto& t : texts)
        if (t.window == w) m[t.name] = t.text;
    return m;
}

}  // namespace

void TestComparison::defaults() {
    SharedValues s;
    const auto r = Run(Inputs(), s);
    QCOMPARE(r.BaroPress, 29.92);
    QCOMPARE(s.BaroPress, 29.92);

    const ArrangementResult& d = r.DrawThru;
    QCOMPARE(d.Rise, 110.0);
    QCOMPARE(d.DischargeTemp, 110.0);
    QCOMPARE(d.FanTemp, 110.0);
    CheckNear(d.AirDensity, 0.0696060, 5e-8, "draw density");
    CheckNear(d.InletCFM, 8070.18, 0.005, "draw inlet");
    QCOMPARE(d.DisCFM, 10000.0);
    CheckNear(d.SpaceCFM, 9210.53, 0.005, "draw space");
    CheckNear(d.OutputMBH, 1102.56, 0.005, "draw output");
    CheckNear(d.InputMBH, 1103 / 0.92, 1e-9, "draw input");
    CheckNear(d.FormulaInputMBH, 1103 / 0.92, 1e-9, "draw formula input");
    CheckNear(d.AirLoadMBH, 651.51, 0.005, "draw air load");
    CheckNear(d.NetMBH, d.OutputMBH - 652, 1e-9, "draw net");

    const ArrangementResult& b = r.BloThru;
    QCOMPARE(b.Rise, 160.0);
    QCOMPARE(b.DischargeTemp, 160.0);
    QCOMPARE(b.FanTemp, 0.0);
    CheckNear(b.AirDensity, 0.0862509, 5e-8, "blow density");
    QCOMPARE(b.InletCFM, 10000.0);
    CheckNear(b.DisCFM, 13478.26, 0.005, "blow discharge");
    CheckNear(b.SpaceCFM, 11413.04, 0.005, "blow space");
    CheckNear(b.OutputMBH, 1987.22, 0.005, "blow output");
    CheckNear(b.InputMBH, 2159.78, 0.005, "blow input");
    CheckNear(b.FormulaInputMBH, 2160.02, 0.005, "blow formula input");
    CheckNear(b.AirLoadMBH, 807.31, 0.005, "blow air load");
    CheckNear(b.NetMBH, 1180.22, 0.005, "blow net");

    QCOMPARE(s.SavedBloThruDisTemp, std::string("160"));
    QCOMPARE(s.SavedDrawThruTempRise, std::string("110"));
    QCOMPARE(s.DrawThruAirLoad, d.AirLoadMBH);
    QCOMPARE(s.BloThruAirLoad, b.AirLoadMBH);
}

void TestComparison::elevation5000() {
    SharedValues s;
    const auto r = Run(
        Inputs(
            {{Field::Elevation, "5000"}, {Field::OutdoorTemp, "-10"}, {Field::IndoorTemp, "70"}}),
        s);
    CheckNear(r.BaroPress, 24.8922, 0.00005, "pressure");
    QCOMPARE(r.BloThru.Rise, 160.0);
    QCOMPARE(r.BloThru.DischargeTemp, 150.0);
    QCOMPARE(r.DrawThru.Rise, 110.0);
    QCOMPARE(r.DrawThru.DischargeTemp, 100.0);
    CheckNear(r.BloThru.OutputMBH, 1690.03, 0.005, "blow output");
    CheckNear(r.BloThru.AirLoadMBH, 845.01, 0.005, "blow air load");
    CheckNear(r.DrawThru.OutputMBH, 933.66, 0.005, "draw output");
    CheckNear(r.DrawThru.AirLoadMBH, 679.03, 0.005, "draw air load");
}

void TestComparison::edgeCases_data() {
    QTest::addColumn<QString>("indoor");
    QTest::addColumn<QString>("outdoor");
    QTest::addColumn<QString>("fan");
    QTest::newRow("indoor equals outdoor") << "40"
                                           << "40"
                                           << "10000";
    QTest::newRow("indoor below outdoor") << "30"
                                          << "50"
                                          << "10000";
    QTest::newRow("fan capacity 0") << "65"
                                    << "0"
                                    << "0";
}

void TestComparison::edgeCases() {
    QFETCH(QString, indoor);
    QFETCH(QString, outdoor);
    QFETCH(QString, fan);
    SharedValues s;
    const auto r = Run(Inputs({{Field::IndoorTemp, indoor.toStdString()},
                               {Field::OutdoorTemp, outdoor.toStdString()},
                               {Field::BloThruFanCapacity, fan.toStdString()},
                               {Field::DrawThruFanCapacity, fan.toStdString()}}),
                       s);
    const double in = indoor.toDouble(), out = outdoor.toDouble();
    for (const ArrangementResult* a : {&r.BloThru, &r.DrawThru}) {
        if (in == out) {
            QCOMPARE(a->AirLoadMBH, 0.0);
            QCOMPARE(a->NetMBH, a->OutputMBH);
        } else if (in < out) {
            QVERIFY(a->AirLoadMBH < 0);
            QVERIFY(a->NetMBH > a->OutputMBH);
        }
        if (fan == "0") {
            QCOMPARE(a->InletCFM, 0.0);
            QCOMPARE(a->DisCFM, 0.0);
            QCOMPARE(a->SpaceCFM, 0.0);
            QCOMPARE(a->OutputMBH, 0.0);
        }
    }
}

void TestComparison::fanCapacityNotPlain() {
    // The leading number is used throughout: "12,000" computes as 12.
    SharedValues s1, s2;
    const auto a = Run(
        Inputs({{Field::BloThruFanCapacity, "12,000"}, {Field::DrawThruFanCapacity, "8000 cfm"}}),
        s1);
    const auto b =
        Run(Inputs({{Field::BloThruFanCapacity, "12"}, {Field::DrawThruFanCapacity, "8000"}}), s2);
    QCOMPARE(a.BloThru.OutputMBH, b.BloThru.OutputMBH);
    QCOMPARE(a.BloThru.AirLoadMBH, b.BloThru.AirLoadMBH);
    QCOMPARE(a.DrawThru.InletCFM, b.DrawThru.InletCFM);
    QCOMPARE(a.DrawThru.AirLoadMBH, b.DrawThru.AirLoadMBH);
}

void TestComparison::failureLeavesSharedValues_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("no atmosphere") << "elevation"
                                   << "145366";
    QTest::newRow("overflow up") << "elevation"
                                 << "1e999";
    QTest::newRow("overflow down") << "elevation"
                                   << "-1e300";
    QTest::newRow("huge fan capacity") << "fan"
                                       << "1e999";
    QTest::newRow("huge limit") << "limit"
                                << "-1e999";
}

void TestComparison::failureLeavesSharedValues() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    SharedValues s;
    Run(Inputs(), s);
    const SharedValues before = s;
    const Field f = field == "elevation" ? Field::Elevation
                    : field == "fan"     ? Field::BloThruFanCapacity
                                         : Field::DrawThruTempRise;
    QVERIFY(!ComputeComparison(Inputs({{f, text.toStdString()}}), s).has_value());
    QCOMPARE(s.BaroPress, before.BaroPress);
    QCOMPARE(s.DrawThruRise, before.DrawThruRise);
    QCOMPARE(s.SavedDrawThruTempRise, before.SavedDrawThruTempRise);
}

void TestComparison::labelTextsDefaults() {
    SharedValues s;
    const auto in = Inputs();
    const auto texts = ComparisonLabelTexts(in, Run(in, s), s);
    const auto main = TextsOf(texts, TextWindow::Main);
    const std::map<std::string, std::string> expectedMain = {
        {"lblDrawThruInletCFM", "8,070"},
        {"lblDrawThruDisCFM", "10,000"},
        {"lblDrawThruSpaceCFM", "9,211"},
        {"lblDrawThruBTUOut", "1103"},
        {"lblDrawThruBTUIn", "1199"},
        {"lblDrawThruBTUAirLoad", "652"},
        {"lblDrawThruBTUNet", "451"},
        {"lblDrawThruInletTemp", "@ 0\u00B0F"},
        {"lblDrawThruDisTemp", "@  110\u00B0F"},
        {"lblDrawThruSpaceTemp", "@ 65\u00B0F"},
        {"lblBloThruInletCFM", "10,000"},
        {"lblBloThruDisCFM", "13,478"},
        {"lblBloThruSpaceCFM", "11,413"},
        {"lblBloThruBTUOut", "1987"},
        {"lblBloThruBTUIn", "2160"},
        {"lblBloThruBTUAirLoad", "807"},
        {"lblBloThruBTUNet", "1180"},
        {"lblBloThruInletTemp", "@ 0\u00B0F"},
        {"lblBloThruDisTemp", "@  160\u00B0F"},
        {"lblBloThruSpaceTemp", "@ 65\u00B0F"},
    };
    QCOMPARE(main, expectedMain);

    const auto formulas = TextsOf(texts, TextWindow::Formulas);
    const std::map<std::string, std::string> expectedFormulas = {
        {"lblDrawThruCFMd", "= 10000  x  "},
        {"lblDrawThruCFMs", "= 10000  x  "},
        {"lblBloThruCFMd", "= 10000  x  "},
        {"lblDrawThruInletTempR", "460 + 0"},
        {"lblBloThruInletTempR", "460 + 0"},
        {"lblDrawThruDischargeTempR_0", "460 +  110"},
        {"lblDrawThruDischargeTempR_1", "460 +  110"},
        {"lblDrawThruInletCFM", "  =  8,070 CFM"},
        {"lblDrawThruSpaceTempR", "460 + 65"},
        {"lblBloThruSpaceTempR", "460 + 65"},
        {"lblDrawThruSpaceCFM", "  =  9,211 NCFM"},
        {"lblDrawThruBaroPress", "29.92"},
        {"lblBloThruBaroPress", "29.92"},
        {"lblDrawThruAirTemp", "460  +   110"},
        {"lblDrawThruAirDensity", "0.0696 lbs./cu. ft."},
        {"lblOutputMBHFormula", "10000 x 0.0696 x 0.24 x 60 x 110"},
        {"lblDrawThruOutputMBH", " = 1103 MBH"},
        {"lblDrawThruInputMBHFormula", "1103 / 0.92 = "},
        {"lblDrawThruInputMBH", "1199 MBH"},
        {"lblBloThruDischargeTempR_0", "460 +  160"},
        {"lblBloThruDischargeTempR_1", "460 +  160"},
        {"lblBloThruDischargeCFM", "  =  13,478 CFM"},
        {"lblBloThruCFMs", "= 13,478  x  "},
        {"lblBloThruSpaceCFM", "  =  11,413 NCFM"},
        {"lblBloThruAirTemp", "460  +  0"},
        {"lblBloThruAirDensity", "0.0863 lbs./cu. ft."},
        {"lblBloThruOutputMBHFormula", "10,000 x 0.0863 x 0.24 x 60 x 160"},
        {"lblBloThruOutputMBH", " = 1987 MBH"},
        {"lblBloThruInputMBHFormula", "1987 / 0.92 = "},
        {"lblBloThruInputMBH", "2160 MBH"},
    };
    QCOMPARE(formulas, expectedFormulas);
}

void TestComparison::labelTextsOrder() {
    SharedValues s;
    const auto in = Inputs({{Field::OutdoorTemp, "-12"}, {Field::DrawThruDisTemp, "95"}});
    const auto texts = ComparisonLabelTexts(in, Run(in, s), s);
    // Draw Thru main, Draw Thru formulas, Blow Thru main, Blow Thru formulas.
    QStringList runs;
    for (const auto& t : texts) {
        const QString name = QString::fromStdString(t.name);
        const bool blow = name.contains("BloThru");
        const QString run = QString(t.window == TextWindow::Main ? "main " : "formulas ") +
                            (blow ? "blow" : "draw");
        if (runs.isEmpty() || runs.last() != run) runs << run;
    }
    QCOMPARE(runs, (QStringList{"main draw", "formulas draw", "main blow", "formulas blow"}));
    const auto main = TextsOf(texts, TextWindow::Main);
    QCOMPARE(main.at("lblDrawThruDisTemp"), std::string("@  95\u00B0F"));
    QCOMPARE(main.at("lblDrawThruInletTemp"), std::string("@ -12\u00B0F"));
    // No label ever shows a negative zero or a non-number.
    for (const auto& t : texts) {
        QVERIFY2(t.text.find("nan") == std::string::npos, t.text.c_str());
        QVERIFY2(t.text.find("inf") == std::string::npos, t.text.c_str());
    }
}
