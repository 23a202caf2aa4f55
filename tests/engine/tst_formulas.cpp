#include <QtTest>
#include <cmath>

#include "formulas.h"
#include "test_fields.h"
#include "tests.h"

using namespace vevi;

void TestFormulas::baroPressure_data() {
    QTest::addColumn<double>("elevation");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("sea level is exact") << 0.0 << 29.92 << 0.0;
    QTest::newRow("5000 ft") << 5000.0 << 24.8922 << 0.00005;
    QTest::newRow("below sea level") << -282.0 << 30.2263 << 0.00005;
    QTest::newRow("top of the atmosphere") << kHighestElevation << 0.0 << 1e-9;
}

void TestFormulas::baroPressure() {
    QFETCH(double, elevation);
    QFETCH(double, pressure);
    QFETCH(double, tolerance);
    const double p = BaroPressureFromElevation(elevation);
    QVERIFY2(Near(p, pressure, tolerance), qPrintable(QString::number(p, 'g', 17)));
}

void TestFormulas::checkedBaroPressure_data() {
    QTest::addColumn<double>("elevation");
    QTest::addColumn<bool>("usable");
    QTest::newRow("sea level") << 0.0 << true;
    QTest::newRow("highest accepted") << kHighestElevation << true;
    QTest::newRow("lowest accepted") << kLowestElevation << true;
    QTest::newRow("just above the top") << 145365.64 << false;
    QTest::newRow("no atmosphere") << 145366.0 << false;
    QTest::newRow("overflow up") << 1e300 << false;
    QTest::newRow("overflow down") << -1e300 << false;
    QTest::newRow("infinite") << HUGE_VAL << false;
    QTest::newRow("minus infinite") << -HUGE_VAL << false;
}

void TestFormulas::checkedBaroPressure() {
    QFETCH(double, elevation);
    QFETCH(bool, usable);
    const auto p = CheckedBaroPressure(elevation);
    QCOMPARE(p.has_value(), usable);
    if (p) QVERIFY(std::isfinite(*p) && *p >= 0);
}

void TestFormulas::densityOutputAndCfm() {
    SharedValues s;
    s.BaroPress = 29.92;
    QVERIFY(Near(AirDensityAt(s, 0), 0.0862509, 5e-8));
    QVERIFY(Near(AirDensityAt(s, 70), 0.0748593, 5e-8));
    QVERIFY(Near(HeatOutputMBH(10000, AirDensityAt(s, 0), 160), 1987.22, 0.005));
    QVERIFY(Near(CorrectCfmForTemperature(10000, 0, 160), 13478.26, 0.005));
    QVERIFY(Near(CorrectCfmForTemperature(10000, 110, 0), 8070.18, 0.005));
    // The argument order matters: from 0 to 160 is not from 160 to 0.
    QVERIFY(CorrectCfmForTemperature(10000, 160, 0) < 10000);
}

void TestFormulas::riseAndDischarge_data() {
    QTest::addColumn<QString>("outdoor");
    QTest::addColumn<QString>("maxDischarge");
    QTest::addColumn<QString>("maxRise");
    QTest::addColumn<double>("rise");
    QTest::addColumn<double>("discharge");
    QTest::newRow("equal takes the rise") << "0"
                                          << "160"
                                          << "160" << 160.0 << 160.0;
    QTest::newRow("rise governs") << "0"
                                  << "140"
                                  << "110" << 110.0 << 110.0;
    QTest::newRow("discharge governs") << "40"
                                       << "160"
                                       << "160" << 120.0 << 160.0;
    QTest::newRow("negative rise") << "100"
                                   << "80"
                                   << "50" << -20.0 << 80.0;
    QTest::newRow("text counts as 0") << "abc"
                                      << "x"
                                      << "50" << 0.0 << 0.0;
    QTest::newRow("leading numbers") << "10 F"
                                     << "90F"
                                     << "100 deg" << 80.0 << 90.0;
}

void TestFormulas::riseAndDischarge() {
    QFETCH(QString, outdoor);
    QFETCH(QString, maxDischarge);
    QFETCH(QString, maxRise);
    QFETCH(double, rise);
    QFETCH(double, discharge);
    // The same limits in both arrangements give the same result in each.
    const auto in = Inputs({{Field::OutdoorTemp, outdoor.toStdString()},
                            {Field::BloThruDisTemp, maxDischarge.toStdString()},
                            {Field::BloThruTempRise, maxRise.toStdString()},
                            {Field::DrawThruDisTemp, maxDischarge.toStdString()},
                            {Field::DrawThruTempRise, maxRise.toStdString()}});
    SharedValues s;
    SetBloThruDischarge(in, s);
    SetDrawThruDischarge(in, s);
    QCOMPARE(s.BloThruRise, rise);
    QCOMPARE(s.BloThruDischarge, discharge);
    QCOMPARE(s.DrawThruRise, rise);
    QCOMPARE(s.DrawThruDischarge, discharge);
}
