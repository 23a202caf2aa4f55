#include <QtTest>
#include <tuple>
#include <vector>

#include "default_comparison.h"
#include "number_text.h"
#include "results.h"
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
    const ComparisonReport report = ReportComparison(in, Run(in, s), s);
    using A = Arrangement;
    using Q = Quantity;
    for (const auto& e : default_comparison::kFigures)
        QCOMPARE(report.Value(e.arrangement, e.quantity).text, std::string(e.text));
    // The numbers behind the texts are the unrounded figures, or what the text shows.
    QCOMPARE(report.Value(A::DrawThru, Q::BTUIn).value, 1103 / 0.92);
    QCOMPARE(report.Value(A::DrawThru, Q::BTUNet).value, report.result.DrawThru.OutputMBH - 652);
    QCOMPARE(report.Value(A::BloThru, Q::DisTemp).value, 160.0);
    QCOMPARE(report.Value(A::DrawThru, Q::SpaceTemp).value, 65.0);
    QCOMPARE(report.Value(A::BloThru, Q::SpaceCFM).value, report.result.BloThru.SpaceCFM);

    using F = FormulaSlot;
    const std::vector<std::tuple<A, F, std::string>> expectedFormulas = {
        {A::DrawThru, F::CFMd, "= 10000  x  "},
        {A::DrawThru, F::CFMs, "= 10000  x  "},
        {A::DrawThru, F::InletTempR, "460 + 0"},
        {A::DrawThru, F::DischargeTempR_0, "460 +  110"},
        {A::DrawThru, F::DischargeTempR_1, "460 +  110"},
        {A::DrawThru, F::InletCFM, "  =  8,070 CFM"},
        {A::DrawThru, F::SpaceTempR, "460 + 65"},
        {A::DrawThru, F::SpaceCFM, "  =  9,211 NCFM"},
        {A::DrawThru, F::BaroPress, "29.92"},
        {A::DrawThru, F::AirTemp, "460  +   110"},
        {A::DrawThru, F::AirDensity, "0.0696 lbs./cu. ft."},
        {A::DrawThru, F::OutputMBHFormula, "10000 x 0.0696 x 0.24 x 60 x 110"},
        {A::DrawThru, F::OutputMBH, " = 1103 MBH"},
        {A::DrawThru, F::InputMBHFormula, "1103 / 0.92 = "},
        {A::DrawThru, F::InputMBH, "1199 MBH"},
        {A::BloThru, F::CFMd, "= 10000  x  "},
        {A::BloThru, F::DischargeTempR_0, "460 +  160"},
        {A::BloThru, F::DischargeTempR_1, "460 +  160"},
        {A::BloThru, F::InletTempR, "460 + 0"},
        {A::BloThru, F::DischargeCFM, "  =  13,478 CFM"},
        {A::BloThru, F::CFMs, "= 13,478  x  "},
        {A::BloThru, F::SpaceTempR, "460 + 65"},
        {A::BloThru, F::SpaceCFM, "  =  11,413 NCFM"},
        {A::BloThru, F::BaroPress, "29.92"},
        {A::BloThru, F::AirTemp, "460  +  0"},
        {A::BloThru, F::AirDensity, "0.0863 lbs./cu. ft."},
        {A::BloThru, F::OutputMBHFormula, "10,000 x 0.0863 x 0.24 x 60 x 160"},
        {A::BloThru, F::OutputMBH, " = 1987 MBH"},
        {A::BloThru, F::InputMBHFormula, "1987 / 0.92 = "},
        {A::BloThru, F::InputMBH, "2160 MBH"},
    };
    // Draw Thru's figures first, each arrangement's in the order a start writes them.
    std::vector<std::tuple<A, F, std::string>> formulas;
    for (const FormulaText& t : report.formulas)
        formulas.emplace_back(t.arrangement, t.slot, t.text);
    QVERIFY(formulas == expectedFormulas);
}

void TestComparison::labelTextsOrder() {
    SharedValues s;
    const auto in = Inputs({{Field::OutdoorTemp, "-12"}, {Field::DrawThruDisTemp, "95"}});
    const ComparisonReport report = ReportComparison(in, Run(in, s), s);
    QCOMPARE(report.Value(Arrangement::DrawThru, Quantity::DisTemp).text,
             std::string("@  95\u00B0F"));
    QCOMPARE(report.Value(Arrangement::DrawThru, Quantity::InletTemp).text,
             std::string("@ -12\u00B0F"));
    // No figure ever shows a negative zero or a non-number.
    std::vector<std::string> texts;
    for (const auto& row : report.values)
        for (const ShownValue& v : row) texts.push_back(v.text);
    for (const FormulaText& t : report.formulas) texts.push_back(t.text);
    for (const std::string& t : texts) {
        QVERIFY2(t.find("nan") == std::string::npos, t.c_str());
        QVERIFY2(t.find("inf") == std::string::npos, t.c_str());
        QVERIFY2(t.find("-0") == std::string::npos || t.find("-0.") != std::string::npos,
                 t.c_str());
    }
}
