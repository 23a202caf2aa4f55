#include <QtTest>

#include "report_text.h"
#include "si_golden.h"
#include "tests.h"

using namespace vevi;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

ComparisonReport DefaultReport() {
    ComparisonInputs inputs;
    SharedValues shared;
    return ReportComparison(inputs, *ComputeComparison(inputs, shared), shared);
}

}  // namespace

// RFC 4180: a field with a comma, a quote or a line break is quoted, quotes doubled.
void TestReportText::csvField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "8070"
                           << "8070";
    QTest::newRow("comma") << "Chicago, O'Hare"
                           << "\"Chicago, O'Hare\"";
    QTest::newRow("quote") << "12\" duct"
                           << "\"12\"\" duct\"";
    QTest::newRow("carriage return") << "a\rb"
                                     << "\"a\rb\"";
    QTest::newRow("line feed") << "a\nb"
                               << "\"a\nb\"";
    QTest::newRow("blank only") << " "
                                << " ";
}
void TestReportText::csvField() {
    QFETCH(QString, field);
    QFETCH(QString, written);
    QCOMPARE(Q(CsvField(field.toStdString())), written);
}

// Columns as wide as their widest cell in UTF-16 units, no blanks at the line ends.
void TestReportText::alignedTable_data() {
    QTest::addColumn<QStringList>("cells");  // two rows of two cells
    QTest::addColumn<QString>("table");
    QTest::newRow("left and right") << QStringList{"ab", "1", "a", "100"} << "ab    1\na   100\n";
    QTest::newRow("no trailing blanks on a short left cell")
        << QStringList{"1", "abc", "22", "x"} << " 1  abc\n22  x\n";
    QTest::newRow("beyond the basic plane counts two")
        << QStringList{"\U0001F525", "1", "abc", "2"} << "\U0001F525   1\nabc  2\n";
    QTest::newRow("accented letter counts one")
        << QStringList{"\u00E9", "1", "ab", "2"} << "\u00E9   1\nab  2\n";
}
void TestReportText::alignedTable() {
    QFETCH(QStringList, cells);
    QFETCH(QString, table);
    const std::vector<std::vector<std::string>> rows = {
        {cells[0].toStdString(), cells[1].toStdString()},
        {cells[2].toStdString(), cells[3].toStdString()}};
    const bool firstRight = QString(QTest::currentDataTag()).startsWith("no trailing");
    QCOMPARE(Q(AlignedTable({}, {firstRight, !firstRight}, rows)), table);
}

// What copying puts on the clipboard keeps its shape whatever a text holds: no cell splits
// the tab-separated table, no text becomes markup; the place and the pressure are there.
void TestReportText::copiedCells_data() {
    QTest::addColumn<QString>("indoor");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("tabLine");  // a line the tab-separated text holds
    QTest::addColumn<QString>("html");     // a piece the HTML holds
    QTest::addColumn<bool>("si");
    QTest::newRow("carriage return") << "6\r5"
                                     << ""
                                     << "Indoor temperature\t6 5\t\u00B0F"
                                     << "<td align=\"right\">6\r5</td>" << false;
    QTest::newRow("tab") << "6\t5"
                         << ""
                         << "Indoor temperature\t6 5\t\u00B0F"
                         << "6\t5" << false;
    QTest::newRow("markup") << "<b>65"
                            << "A&B/\"C\""
                            << "Place\tA&B/\"C\"\t"
                            << "<td align=\"right\">&lt;b&gt;65</td>" << false;
    QTest::newRow("place escaped")
        << "65"
        << "A&B/\"C\""
        << "Indoor temperature\t65\t\u00B0F"
        << "<td>Place</td><td align=\"right\">A&amp;B/&quot;C&quot;</td>" << false;
    QTest::newRow("pressure") << "65"
                              << ""
                              << "Barometric pressure\t29.92\tin. Hg"
                              << "<td>Barometric pressure</td><td align=\"right\">29.92</td>"
                              << false;
    // 18.3 °C is what the comparison reads as 64.94 °F.
    QTest::newRow("SI input") << "64.94"
                              << ""
                              << "Indoor temperature\t18.3\t\u00B0C"
                              << "<td align=\"right\">18.3</td><td>\u00B0C</td>" << true;
    QTest::newRow("SI pressure")
        << "65"
        << "A&B/\"C\""
        << "Barometric pressure\t101.32\tkPa"
        << "<td>Barometric pressure</td><td align=\"right\">101.32</td><td>kPa</td>" << true;
}
void TestReportText::copiedCells() {
    QFETCH(QString, indoor);
    QFETCH(QString, place);
    QFETCH(QString, tabLine);
    QFETCH(QString, html);
    QFETCH(bool, si);
    const UnitSystem system = si ? UnitSystem::SI : UnitSystem::US;
    ComparisonReport report = DefaultReport();
    report.inputs.IndoorTemp = indoor.toStdString();
    const QString tabs = Q(ReportTabSeparated(report, place.toStdString(), system));
    QVERIFY2(tabs.split(u'\n').contains(tabLine), qPrintable(tabs));
    for (const QString& line : tabs.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(line.count(u'\t') == 2 || line.count(u'\t') == 3, qPrintable(line));
    QVERIFY(!tabs.contains(u'\r'));
    const QString markup = Q(ReportHtml(report, place.toStdString(), system));
    QVERIFY2(markup.contains(html), qPrintable(markup));
    QVERIFY(!markup.contains("<b>"));
}

namespace {

// The cells of a tab-separated or CSV line by its first cell.
QMap<QString, QStringList> CellsByName(const QString& text, QChar separator) {
    QMap<QString, QStringList> cells;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        QStringList row = line.split(separator);
        cells.insert(row.takeFirst(), row);
    }
    return cells;
}

// A figure as other programs get it: no "@", blank, unit or grouping.
QString Plain(QString shown) {
    return shown.remove("@").remove(' ').remove(',').remove("\u00B0C");
}

}  // namespace

// The design comparison in SI, in the tab-separated table people paste and in the CSV machines
// read: every input and figure as the shared SI rows give them, with its SI unit.
void TestReportText::designReportInSi_data() {
    QTest::addColumn<bool>("csv");
    QTest::newRow("tab-separated") << false;
    QTest::newRow("csv") << true;
}
void TestReportText::designReportInSi() {
    QFETCH(bool, csv);
    const ComparisonReport report = DefaultReport();
    const auto cells = csv ? CellsByName(Q(ReportCsv(report, {}, UnitSystem::SI)), u',')
                           : CellsByName(Q(ReportTabSeparated(report, {}, UnitSystem::SI)), u'\t');
    for (const InputLabel& input : kInputLabels) {
        if (csv) break;  // the CSV pairs the arrangements' inputs; checked below
        const auto golden =
            std::find_if(si_golden::kInputs.begin(), si_golden::kInputs.end(),
                         [&input](const auto& row) { return row.field == input.field; });
        QCOMPARE(cells.value(input.label),
                 (QStringList{golden->text, Symbol(MeasureOf(input.field), UnitSystem::SI)}));
    }
    for (const auto& row : si_golden::kFigures) {
        const QuantityInfo& info = Describe(row.quantity);
        const QStringList line = cells.value(
            csv ? QString(info.key)
                : Q(info.description).replace(0, 1, Q(info.description).left(1).toUpper()));
        QVERIFY2(line.size() == 3, info.key);
        QCOMPARE(line[0], QString(Symbol(MeasureOf(info.unit), UnitSystem::SI)));
        const QString cell = line[1 + static_cast<int>(row.arrangement)];
        QCOMPARE(cell, csv ? Plain(row.text) : QString(row.text));
    }
    if (!csv) {
        QCOMPARE(cells.value("Barometric pressure"), (QStringList{si_golden::kPressure, "kPa"}));
        return;
    }
    // The rise converts without an offset: 110 and 160 °F of rise.
    QCOMPARE(cells.value("temperature_rise"), (QStringList{"\u00B0C", "61.1", "88.9"}));
    QCOMPARE(cells.value("air_density"),
             (QStringList{"kg/m\u00B3", si_golden::kDrawThruDensity, si_golden::kBloThruDensity}));
    QCOMPARE(cells.value("barometric_pressure"),
             (QStringList{"kPa", si_golden::kPressure, si_golden::kPressure}));
    QCOMPARE(cells.value("indoor"), (QStringList{"\u00B0C", "18.3", "18.3"}));
    QCOMPARE(cells.value("elevation"), (QStringList{"m", "0", "0"}));
    QCOMPARE(cells.value("max_rise"), (QStringList{"\u00B0C", "61.1", "88.8"}));
    QCOMPARE(cells.value("capacity"), (QStringList{"L/s", "4719", "4719"}));
}

// In SI no inch-pound unit is left in any report, and inch-pound reports hold no SI unit.
void TestReportText::noInchPoundUnitInSi_data() {
    QTest::addColumn<int>("form");  // 0 text, 1 CSV, 2 tab-separated, 3 HTML
    QTest::newRow("text") << 0;
    QTest::newRow("csv") << 1;
    QTest::newRow("tab-separated") << 2;
    QTest::newRow("html") << 3;
}
void TestReportText::noInchPoundUnitInSi() {
    QFETCH(int, form);
    const ComparisonReport report = DefaultReport();
    // No system given is inch-pound.
    const auto write = [&report, form](std::optional<UnitSystem> system) {
        const std::string place = "Quebec/Montreal";
        switch (form) {
            case 0:
                return Q(system ? ReportText(report, place, *system) : ReportText(report, place));
            case 1:
                return Q(system ? ReportCsv(report, place, *system) : ReportCsv(report, place));
            case 2:
                return Q(system ? ReportTabSeparated(report, place, *system)
                                : ReportTabSeparated(report, place));
            default:
                return Q(system ? ReportHtml(report, place, *system) : ReportHtml(report, place));
        }
    };
    const QString si = write(UnitSystem::SI);
    const QString us = write(UnitSystem::US);
    const QRegularExpression inchPound("\u00B0F|cfm|MBH|in\\. Hg|lb/|\\bft\\b",
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression metric("\u00B0C|L/s|\\bkW\\b|kPa|kg/m|\\bm\\b");
    QVERIFY2(!si.contains(inchPound), qPrintable(si));
    QVERIFY2(si.contains(metric), qPrintable(si));
    QVERIFY2(!us.contains(metric), qPrintable(us));
    QVERIFY2(us.contains(inchPound), qPrintable(us));
    QCOMPARE(write(std::nullopt), us);
}
