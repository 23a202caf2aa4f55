#include <QtTest>
#include <optional>

#include "matching.h"
#include "number_text.h"
#include "test_fields.h"
#include "tests.h"

using namespace vevi;

namespace {

// The fields of the matching examples: every rise and discharge 100.
ComparisonInputs MatchFields() {
    return Inputs({{Field::BloThruTempRise, "100"},
                   {Field::BloThruDisTemp, "100"},
                   {Field::DrawThruTempRise, "100"},
                   {Field::DrawThruDisTemp, "100"}});
}

}  // namespace

void TestMatching::answers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("figure");
    QTest::newRow("plain") << "1000" << true << 1000.0;
    QTest::newRow("grouped") << "1,000" << true << 1000.0;
    QTest::newRow("grouped with decimals") << "12,345.6" << true << 12345.6;
    QTest::newRow("unit after") << "1000 MBH" << true << 1000.0;
    QTest::newRow("cancel or empty") << "" << false << 0.0;
    QTest::newRow("zero") << "0" << false << 0.0;
    QTest::newRow("negative") << "-5" << false << 0.0;
    QTest::newRow("text") << "lots" << false << 0.0;
    QTest::newRow("leading comma") << ",5" << false << 0.0;
}

void TestMatching::answers() {
    QFETCH(QString, answer);
    QFETCH(bool, accepted);
    QFETCH(double, figure);
    const auto f = ReadMatchAnswer(answer.toStdString());
    QCOMPARE(f.has_value(), accepted);
    if (f) QCOMPARE(*f, figure);
}

void TestMatching::capacities_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("desired");
    QTest::addColumn<QString>("bloThru");
    QTest::addColumn<QString>("drawThru");
    QTest::newRow("output 1000") << int(MatchKind::Output) << 1000.0 << "8051"
                                 << "9802";
    QTest::newRow("input 1000") << int(MatchKind::Input) << 1000.0 << "7407"
                                << "9018";
    QTest::newRow("net 500") << int(MatchKind::Net) << 500.0 << "11502"
                             << "14003";
    QTest::newRow("airflow") << int(MatchKind::Airflow) << 12345.6 << "12346"
                             << "12346";
}

void TestMatching::capacities() {
    QFETCH(int, kind);
    QFETCH(double, desired);
    QFETCH(QString, bloThru);
    QFETCH(QString, drawThru);
    const auto fields = MatchFields();
    SharedValues s;
    const auto m = MatchCapacities(MatchKind(kind), desired, fields, s);
    QVERIFY(m.has_value());
    QCOMPARE(QString::fromStdString(BloThruCapacityText(m->BloThruCfm)), bloThru);
    QCOMPARE(QString::fromStdString(DrawThruCapacityText(m->DrawThruCfm)), drawThru);
    if (MatchKind(kind) == MatchKind::Airflow) return;
    QCOMPARE(s.BaroPress, 29.92);
    QCOMPARE(s.BloThruRise, 100.0);
    QCOMPARE(s.DrawThruDischarge, 100.0);

    // The comparison at the written capacities reaches the figure in whole MBH.
    auto in = fields;
    in.BloThruFanCapacity = bloThru.toStdString();
    in.DrawThruFanCapacity = drawThru.toStdString();
    SharedValues s2;
    const auto r = ComputeComparison(in, s2);
    QVERIFY(r.has_value());
    if (MatchKind(kind) == MatchKind::Output) {
        QCOMPARE(round0(r->BloThru.OutputMBH), 1000.0);
        QCOMPARE(round0(r->DrawThru.OutputMBH), 1000.0);
    } else if (MatchKind(kind) == MatchKind::Net) {
        QCOMPARE(round0(r->BloThru.NetMBH), 500.0);
        QCOMPARE(round0(r->DrawThru.NetMBH), 500.0);
    } else {
        QCOMPARE(round0(r->BloThru.OutputMBH), 920.0);
        QCOMPARE(round0(r->DrawThru.OutputMBH), 920.0);
    }
}

void TestMatching::zeroDivisor_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("output, zero rise") << int(MatchKind::Output) << "rise"
                                       << "0";
    QTest::newRow("input, zero rise") << int(MatchKind::Input) << "rise"
                                      << "0";
    QTest::newRow("net, discharge at indoor") << int(MatchKind::Net) << "discharge"
                                              << "65";
}

void TestMatching::zeroDivisor() {
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(QString, text);
    auto fields = MatchFields();
    fields.Text(field == "rise" ? Field::DrawThruTempRise : Field::DrawThruDisTemp) =
        text.toStdString();
    SharedValues s;
    QVERIFY(!MatchCapacities(MatchKind(kind), 1000, fields, s).has_value());

    // A discharge below indoor makes the Net divisor negative: a negative capacity.
    auto below = MatchFields();
    below.BloThruDisTemp = "50";
    below.BloThruTempRise = "50";
    const auto m = MatchCapacities(MatchKind::Net, 500, below, s);
    QVERIFY(m.has_value());
    QVERIFY(m->BloThruCfm < 0);
}
