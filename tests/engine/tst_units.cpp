#include <QtTest>
#include <cmath>

#include "field_rules.h"
#include "number_text.h"
#include "shown_figures.h"
#include "si_golden.h"
#include "test_fields.h"
#include "tests.h"
#include "units.h"

using namespace vevi;

namespace {

ComparisonReport Report(const ComparisonInputs& in) {
    SharedValues s;
    const auto r = ComputeComparison(in, s);
    if (!r) qFatal("comparison failed");
    return ReportComparison(in, *r, s);
}

// One step of the figure's display rounding: 1 for whole numbers, 0.1 for °C.
double Step(const std::string& text) {
    const auto point = text.find('.');
    if (point == std::string::npos) return 1;
    std::size_t decimals = 0;
    while (point + 1 + decimals < text.size() && std::isdigit(text[point + 1 + decimals]))
        ++decimals;
    return std::pow(10.0, -static_cast<double>(decimals));
}

ComparisonInputs Parse(const QString& rows) {
    // "Field=text;..." by the fields' order numbers, as the rows give them.
    ComparisonInputs in;
    for (const QString& part : rows.split(';', Qt::SkipEmptyParts)) {
        const auto pair = part.split('=');
        in.Text(static_cast<Field>(pair[0].toInt())) = pair[1].toStdString();
    }
    return in;
}

}  // namespace

void TestUnits::conversions_data() {
    QTest::addColumn<int>("measure");
    QTest::addColumn<double>("inchPound");
    QTest::addColumn<double>("si");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("symbols");
    const auto row = [](const char* name, Measure m, double us, double si, const char* text,
                        const char* symbols) {
        QTest::newRow(name) << static_cast<int>(m) << us << si << text << symbols;
    };
    // Worked by hand from the definitions.
    row("water boils", Measure::Temperature, 212, 100, "100.0", "\u00B0F \u00B0C");
    row("design outdoor", Measure::Temperature, 0, -160.0 / 9, "-17.8", "\u00B0F \u00B0C");
    row("scales meet", Measure::Temperature, -40, -40, "-40.0", "\u00B0F \u00B0C");
    row("just above freezing", Measure::Temperature, 32.09, 0.05, "0.1", "\u00B0F \u00B0C");
    row("just below freezing", Measure::Temperature, 31.95, -0.0277778, "0.0", "\u00B0F \u00B0C");
    row("a rise has no offset", Measure::TemperatureDifference, 9, 5, "5.0", "\u00B0F \u00B0C");
    row("design rise", Measure::TemperatureDifference, 110, 550.0 / 9, "61.1", "\u00B0F \u00B0C");
    row("ten thousand feet", Measure::Length, 10000, 3048, "3,048", "ft m");
    row("a mile", Measure::Length, 5280, 1609.344, "1,609", "ft m");
    row("below sea level", Measure::Length, -282, -85.9536, "-86", "ft m");
    row("sea level", Measure::Pressure, 29.92, 101.32075888, "101.32", "in. Hg kPa");
    row("one inch", Measure::Pressure, 1, 3.386389, "3.39", "in. Hg kPa");
    row("design airflow", Measure::Airflow, 10000, 4719.474, "4,719", "cfm L/s");
    row("half a litre", Measure::Airflow, 1.0594, 0.49998107, "0", "cfm L/s");
    row("one kilowatt", Measure::HeatRate, 3.4121416, 1.0000000, "1", "MBH kW");
    row("a megawatt", Measure::HeatRate, 3412.1416, 1000.0000, "1000", "MBH kW");
    row("standard air", Measure::Density, 0.075, 1.20138473, "1.201", "lb/ft\u00B3 kg/m\u00B3");
}

void TestUnits::conversions() {
    QFETCH(int, measure);
    QFETCH(double, inchPound);
    QFETCH(double, si);
    QFETCH(QString, text);
    QFETCH(QString, symbols);
    const auto m = static_cast<Measure>(measure);
    QVERIFY(Near(ToSystem(m, inchPound, UnitSystem::SI), si, 1e-6 * std::max(1.0, std::abs(si))));
    QVERIFY(Near(ToInchPound(m, si, UnitSystem::SI), inchPound,
                 1e-6 * std::max(1.0, std::abs(inchPound))));
    QCOMPARE(QString::fromStdString(SiText(m, ToSystem(m, inchPound, UnitSystem::SI))), text);
    QCOMPARE(ToSystem(m, inchPound, UnitSystem::US), inchPound);
    QCOMPARE(QString(Symbol(m, UnitSystem::US)) + " " + Symbol(m, UnitSystem::SI), symbols);
}

void TestUnits::fieldRanges_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<int>("longest");
    const auto row = [](const char* name, Field f, double lo, double hi, const char* warning,
                        int longest) {
        QTest::newRow(name) << static_cast<int>(f) << lo << hi << warning << longest;
    };
    // 145,365 ft is 44,307.25 m; 500,000 cfm is 235,973.7 L/s; 120 °F is 48.89 °C;
    // 150 °F is 65.56 °C and 30 °F -1.11 °C; 160 °F is 71.11 °C; 0 °F is -17.78 °C.
    row("elevation", Field::Elevation, -3048, 44307,
        "The elevation must be between -3,048 and 44,307 m", 5);
    row("outdoor", Field::OutdoorTemp, -40, 48.8,
        "The outdoor temperature must be between -40.0 and 48.8", 5);
    row("indoor", Field::IndoorTemp, -1.1, 65.5,
        "The indoor temperature must be between -1.1 and 65.5", 6);
    row("blow fan", Field::BloThruFanCapacity, 0, 235973,
        "The Blow Thru fan capacity must be between 0 and 235,973", 6);
    row("blow discharge", Field::BloThruDisTemp, -17.7, 71.1,
        "The Blow Thru discharge temperature must be between -17.7 and 71.1", 0);
    row("blow rise", Field::BloThruTempRise, 0, 88.8,
        "The Blow Thru temperature rise must be between 0.0 and 88.8", 0);
    row("draw fan", Field::DrawThruFanCapacity, 0, 235973,
        "The Draw Thru fan capacity must be between 0 and 235,973", 7);
    row("draw discharge", Field::DrawThruDisTemp, -17.7, 71.1,
        "The Draw Thru discharge temperature must be between -17.7 and 71.1", 0);
    row("draw rise", Field::DrawThruTempRise, 0, 88.8,
        "The temperature rise must be between 0.0 and 88.8", 4);
}

void TestUnits::fieldRanges() {
    QFETCH(int, field);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    QFETCH(QString, warning);
    QFETCH(int, longest);
    const auto f = static_cast<Field>(field);
    const FieldRange range = RangeIn(f, UnitSystem::SI);
    QCOMPARE(range.lowest, lowest);
    QCOMPARE(range.highest, highest);
    QCOMPARE(QString::fromStdString(range.warning), warning);
    QCOMPARE(range.longestText, longest);

    // Every value the warning names is accepted, and is inside the inch-pound range too.
    const FieldRule& rule = RuleOf(f);
    const double step =
        f == Field::Elevation || f == Field::BloThruFanCapacity || f == Field::DrawThruFanCapacity
            ? 1
            : 0.1;
    for (double bound : {lowest, highest}) {
        const std::string text = PlainNumberText(bound);
        QVERIFY2(!RangeWarning(f, text, UnitSystem::SI), text.c_str());
        const double inchPound = InchPoundNumber(f, text, UnitSystem::SI);
        QVERIFY2(inchPound >= rule.lowest && inchPound <= rule.highest, text.c_str());
        QVERIFY(CutToLongest(f, text, UnitSystem::SI) == text);
    }
    // A step beyond either bound is refused with that warning.
    QCOMPARE(RangeWarning(f, PlainNumberText(lowest - step), UnitSystem::SI), range.warning);
    QCOMPARE(RangeWarning(f, PlainNumberText(highest + step), UnitSystem::SI), range.warning);
    if (longest > 0)
        QCOMPARE(CutToLongest(f, "123456789", UnitSystem::SI).size(),
                 static_cast<std::size_t>(longest));

    // Inch-pound is the field's own rule, untouched.
    const FieldRange us = RangeIn(f, UnitSystem::US);
    QCOMPARE(us.lowest, rule.lowest);
    QCOMPARE(us.highest, rule.highest);
    QCOMPARE(us.warning, std::string(rule.warning));
    QCOMPARE(us.longestText, rule.longestText);
}

void TestUnits::fieldTexts_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("inchPound");
    QTest::addColumn<QString>("si");
    QTest::addColumn<double>("number");  // the inch-pound number the SI text reads as
    const auto row = [](const char* name, Field f, const char* us, const char* si, double n) {
        QTest::newRow(name) << static_cast<int>(f) << us << si << n;
    };
    row("indoor", Field::IndoorTemp, "65", "18.3", 64.94);
    row("indoor bound kept", Field::IndoorTemp, "30", "-1.1", 30.02);
    row("outdoor", Field::OutdoorTemp, "-40", "-40.0", -40);
    row("outdoor text with letters", Field::OutdoorTemp, "12abc", "-11.1", 12.02);
    row("rise bound kept", Field::BloThruTempRise, "160", "88.8", 159.84);
    row("rise", Field::DrawThruTempRise, "90", "50.0", 90);
    row("discharge", Field::DrawThruDisTemp, "140", "60.0", 140);
    row("elevation", Field::Elevation, "10000", "3048", 10000);
    row("elevation out of range not kept", Field::Elevation, "200000", "60960", 200000);
    row("fan", Field::DrawThruFanCapacity, "10000", "4719", 4719 / 0.4719474);
    row("fan top kept", Field::BloThruFanCapacity, "500000", "235973", 235973 / 0.4719474);
    row("empty box", Field::IndoorTemp, "", "-17.8", -0.04);
}

void TestUnits::fieldTexts() {
    QFETCH(int, field);
    QFETCH(QString, inchPound);
    QFETCH(QString, si);
    QFETCH(double, number);
    const auto f = static_cast<Field>(field);
    QCOMPARE(QString::fromStdString(FieldTextIn(f, inchPound.toStdString(), UnitSystem::SI)), si);
    QVERIFY(Near(InchPoundNumber(f, si.toStdString(), UnitSystem::SI), number, 1e-3));
    QCOMPARE(QString::fromStdString(FieldTextIn(f, inchPound.toStdString(), UnitSystem::US)),
             inchPound);
    // What the comparison reads for the SI text: the inch-pound number as a plain text.
    ComparisonInputs texts;
    texts.Text(f) = si.toStdString();
    const ComparisonInputs read = InchPoundInputs(texts, UnitSystem::SI);
    QVERIFY(Near(read.FieldNumber(f), number, 1e-3));
    QCOMPARE(InchPoundInputs(texts, UnitSystem::US).FieldText(f), si.toStdString());
}

void TestUnits::designInputsInSi() {
    const ComparisonInputs design;
    for (const auto& row : si_golden::kInputs) {
        const std::string si = FieldTextIn(row.field, design.FieldText(row.field), UnitSystem::SI);
        QCOMPARE(si, std::string(row.text));
        QVERIFY2(!RangeWarning(row.field, si, UnitSystem::SI), row.text);
    }
}

void TestUnits::designFiguresInSi() {
    const ComparisonReport report = Report(ComparisonInputs());
    const ShownFigures si = FiguresIn(report, UnitSystem::SI);
    for (const auto& row : si_golden::kFigures)
        QCOMPARE(si.Value(row.arrangement, row.quantity).text, std::string(row.text));
    QCOMPARE(si.pressure.text, std::string(si_golden::kPressure));
    QCOMPARE(si.Density(Arrangement::DrawThru).text, std::string(si_golden::kDrawThruDensity));
    QCOMPARE(si.Density(Arrangement::BloThru).text, std::string(si_golden::kBloThruDensity));

    // Inch-pound gives the report's texts and numbers exactly.
    const ShownFigures us = FiguresIn(report, UnitSystem::US);
    for (Arrangement a : kArrangements) {
        for (std::size_t q = 0; q < kQuantityCount; ++q) {
            const auto quantity = static_cast<Quantity>(q);
            QCOMPARE(us.Value(a, quantity).text, report.Value(a, quantity).text);
            QCOMPARE(us.Value(a, quantity).value, report.Value(a, quantity).value);
        }
    }
    QCOMPARE(us.pressure.text, std::string("29.92"));
    QCOMPARE(us.Density(Arrangement::DrawThru).text, std::string("0.0696"));
    QCOMPARE(us.Density(Arrangement::BloThru).text, std::string("0.0863"));
}

void TestUnits::roundTrip_data() {
    QTest::addColumn<QString>("si");
    QTest::addColumn<QString>("inchPound");
    QTest::addColumn<bool>("exact");     // the SI texts are exactly the inch-pound inputs
    QTest::addColumn<double>("spread");  // else: how far apart the inputs are, relatively
    // Fields by order: 0 elevation, 1 outdoor, 2 indoor, 3 blow fan, 4 blow discharge,
    // 5 blow rise, 6 draw fan, 7 draw discharge, 8 draw rise.
    QString design;
    for (const auto& row : si_golden::kInputs)
        design += QString("%1=%2;").arg(static_cast<int>(row.field)).arg(row.text);
    // The SI texts are rounded: the Blow Thru rise by 0.09 °C in 88.9, the fans by 0.47 L/s.
    QTest::newRow("design, as its SI texts") << design << "" << false << 0.002;
    QTest::newRow("mountain site")
        << "0=1524;1=-20;2=20;3=2359.737;4=70;5=80;6=4719.474;7=60;8=50"
        << "0=5000;1=-4;2=68;3=5000;4=158;5=144;6=10000;7=140;8=90" << true << 0.0;
    QTest::newRow("cold high site, limits governing")
        << "0=3048;1=-40;2=15;3=9438.948;4=30;5=45;6=1415.8422;7=35;8=40"
        << "0=10000;1=-40;2=59;3=20000;4=86;5=81;6=3000;7=95;8=72" << true << 0.0;
    QTest::newRow("below sea level, warm")
        << "0=-30.48;1=35;2=25;3=471.9474;4=50;5=10;6=471.9474;7=45;8=5"
        << "0=-100;1=95;2=77;3=1000;4=122;5=18;6=1000;7=113;8=9" << true << 0.0;
}

void TestUnits::roundTrip() {
    QFETCH(QString, si);
    QFETCH(QString, inchPound);
    QFETCH(bool, exact);
    QFETCH(double, spread);
    const ComparisonReport fromSi = Report(InchPoundInputs(Parse(si), UnitSystem::SI));
    const ComparisonReport fromUs = Report(Parse(inchPound));
    const ShownFigures a = FiguresIn(fromSi, UnitSystem::SI);
    const ShownFigures b = FiguresIn(fromUs, UnitSystem::SI);
    for (Arrangement arr : kArrangements) {
        for (std::size_t q = 0; q < kQuantityCount; ++q) {
            const auto quantity = static_cast<Quantity>(q);
            const ShownValue& got = a.Value(arr, quantity);
            const ShownValue& want = b.Value(arr, quantity);
            const QString what = QString("%1 %2: %3 against %4")
                                     .arg(ArrangementName(arr), Describe(quantity).description,
                                          got.text.c_str(), want.text.c_str());
            QVERIFY2(Near(got.value, want.value, Step(want.text) + spread * std::abs(want.value)),
                     qPrintable(what));
            if (exact) QVERIFY2(got.text == want.text, qPrintable(what));
            // And the SI figure is the inch-pound one converted, to its display rounding.
            const Measure m = MeasureOf(Describe(quantity).unit);
            const double converted = ToSystem(m, fromUs.Value(arr, quantity).value, UnitSystem::SI);
            QVERIFY2(Near(want.value, converted, Step(want.text)), qPrintable(what));
        }
    }
    QVERIFY(Near(a.pressure.value, b.pressure.value, 0.01));
    if (exact) QCOMPARE(a.pressure.text, b.pressure.text);
}

void TestUnits::systemKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("system");  // -1: refused
    QTest::newRow("us") << "us" << static_cast<int>(UnitSystem::US);
    QTest::newRow("si") << "si" << static_cast<int>(UnitSystem::SI);
    QTest::newRow("capitals are another name") << "SI" << -1;
    QTest::newRow("trailing blank") << "si " << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("metric is no key") << "metric" << -1;
}

void TestUnits::systemKeys() {
    QFETCH(QString, key);
    QFETCH(int, system);
    const auto read = UnitSystemFromKey(key.toStdString());
    QCOMPARE(read ? static_cast<int>(*read) : -1, system);
    if (read) QCOMPARE(QString(UnitSystemKey(*read)), key);
}

// What a report shows for an input: an SI text comes back as typed when it has at most two
// decimals beyond the display rounding; anything else at the display rounding.
void TestUnits::reportedInputTexts_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("typedInSi");  // else typed in inch-pound
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reported");
    const auto row = [](const char* name, Field f, bool si, const char* typed, const char* shown) {
        QTest::newRow(name) << static_cast<int>(f) << si << typed << shown;
    };
    row("SI at the display rounding", Field::IndoorTemp, true, "18.3", "18.3");
    row("SI with a decimal more", Field::IndoorTemp, true, "18.35", "18.35");
    row("SI with two decimals more", Field::OutdoorTemp, true, "-17.775", "-17.775");
    row("SI with three decimals more is rounded", Field::OutdoorTemp, true, "-17.7755", "-17.8");
    row("SI whole number keeps its decimal", Field::DrawThruDisTemp, true, "60", "60.0");
    row("SI fan with decimals", Field::DrawThruFanCapacity, true, "4719.47", "4719.47");
    row("SI elevation", Field::Elevation, true, "1524", "1524");
    row("SI below sea level", Field::Elevation, true, "-30.48", "-30.48");
    row("SI rise", Field::BloThruTempRise, true, "50", "50.0");
    row("inch-pound indoor", Field::IndoorTemp, false, "65", "18.3");
    row("inch-pound fan as the box shows it", Field::DrawThruFanCapacity, false, "10000", "4719");
    row("inch-pound rise kept in range", Field::BloThruTempRise, false, "160", "88.8");
    row("inch-pound rise without offset", Field::DrawThruTempRise, false, "90", "50.0");
    row("inch-pound mile", Field::Elevation, false, "5280", "1609");
    row("inch-pound text with letters", Field::IndoorTemp, false, "68abc", "20.0");
}

void TestUnits::reportedInputTexts() {
    QFETCH(int, field);
    QFETCH(bool, typedInSi);
    QFETCH(QString, typed);
    QFETCH(QString, reported);
    const auto f = static_cast<Field>(field);
    ComparisonInputs texts;
    texts.Text(f) = typed.toStdString();
    // The inch-pound text the comparison reads.
    const std::string read =
        InchPoundInputs(texts, typedInSi ? UnitSystem::SI : UnitSystem::US).FieldText(f);
    QCOMPARE(QString::fromStdString(ReportedInputText(f, read, UnitSystem::SI)), reported);
    QCOMPARE(ReportedInputText(f, read, UnitSystem::US), read);
}

void TestUnits::matchedTextsInSi_data() {
    QTest::addColumn<double>("bloCfm");
    QTest::addColumn<double>("drawCfm");
    QTest::addColumn<QString>("blo");
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("tooLong");
    // 10,000 cfm is 4,719.47 L/s; the Blow Thru box takes six characters in SI as in
    // inch-pound, the Draw Thru box seven.
    QTest::newRow("design") << 10000.0 << 10000.0 << "4719"
                            << "4719"
                            << "";
    // 2,118,878 cfm is 999,998.96 L/s; 2,118,890 cfm 1,000,004.6 L/s.
    QTest::newRow("six digits") << 2118878.0 << 2118878.0 << "999999"
                                << "999999"
                                << "";
    QTest::newRow("Blow Thru too long")
        << 2118890.0 << 2118890.0 << "1000005"
        << "1000005"
        << "The matched Blow Thru fan capacity, 1000005 L/s, does not fit its box";
}

// Matched capacities in SI: whole L/s, refused where the SI box is too short for them.
void TestUnits::matchedTextsInSi() {
    QFETCH(double, bloCfm);
    QFETCH(double, drawCfm);
    QFETCH(QString, blo);
    QFETCH(QString, draw);
    QFETCH(QString, tooLong);
    const MatchedTexts t = MatchedCapacityTextsIn({bloCfm, drawCfm}, UnitSystem::SI);
    QCOMPARE(QString::fromStdString(t.bloThru), blo);
    QCOMPARE(QString::fromStdString(t.drawThru), draw);
    QCOMPARE(QString::fromStdString(t.tooLong), tooLong);
}

// A text moved to the other system's box: SI to inch-pound the fewest decimals that show the
// same SI figure and fit the box, within the inch-pound range.
void TestUnits::convertedTexts_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("toSi");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("converted");
    const auto row = [](const char* name, Field f, bool toSi, const char* text, const char* to) {
        QTest::newRow(name) << static_cast<int>(f) << toSi << text << to;
    };
    row("indoor", Field::IndoorTemp, false, "18.3", "65");
    row("indoor top needs a decimal", Field::IndoorTemp, false, "65.5", "149.9");
    row("rise top", Field::BloThruTempRise, false, "88.8", "159.8");
    row("outdoor whole to fit its box", Field::OutdoorTemp, false, "-30.1", "-22");
    row("outdoor", Field::OutdoorTemp, false, "-17.8", "0");
    row("elevation", Field::Elevation, false, "2124", "6969");
    row("fan", Field::DrawThruFanCapacity, false, "4719", "9999");
    row("fan top", Field::BloThruFanCapacity, false, "235973", "499999");  // 499,998.52
    row("out of range converted as it is", Field::IndoorTemp, false, "100", "212");
    row("to SI as the box shows it", Field::IndoorTemp, true, "65", "18.3");
    row("to SI rise kept in range", Field::BloThruTempRise, true, "160", "88.8");
}

void TestUnits::convertedTexts() {
    QFETCH(int, field);
    QFETCH(bool, toSi);
    QFETCH(QString, text);
    QFETCH(QString, converted);
    const auto f = static_cast<Field>(field);
    const UnitSystem from = toSi ? UnitSystem::US : UnitSystem::SI;
    const UnitSystem to = toSi ? UnitSystem::SI : UnitSystem::US;
    const std::string got = ConvertedFieldText(f, text.toStdString(), from, to);
    QCOMPARE(QString::fromStdString(got), converted);
    QCOMPARE(ConvertedFieldText(f, text.toStdString(), from, from), text.toStdString());
    // A text in range stays in range, and fits its box, in the other system.
    if (!RangeWarning(f, text.toStdString(), from)) {
        QVERIFY2(!RangeWarning(f, got, to), got.c_str());
        QCOMPARE(CutToLongest(f, got, to), got);
    }
}
