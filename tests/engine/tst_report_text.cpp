#include <QtTest>

#include "report_text.h"
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
    QTest::newRow("carriage return") << "6\r5"
                                     << ""
                                     << "Indoor temperature\t6 5\t\u00B0F"
                                     << "<td align=\"right\">6\r5</td>";
    QTest::newRow("tab") << "6\t5"
                         << ""
                         << "Indoor temperature\t6 5\t\u00B0F"
                         << "6\t5";
    QTest::newRow("markup") << "<b>65"
                            << "A&B/\"C\""
                            << "Place\tA&B/\"C\"\t"
                            << "<td align=\"right\">&lt;b&gt;65</td>";
    QTest::newRow("place escaped")
        << "65"
        << "A&B/\"C\""
        << "Indoor temperature\t65\t\u00B0F"
        << "<td>Place</td><td align=\"right\">A&amp;B/&quot;C&quot;</td>";
    QTest::newRow("pressure") << "65"
                              << ""
                              << "Barometric pressure\t29.92\tin. Hg"
                              << "<td>Barometric pressure</td><td align=\"right\">29.92</td>";
}
void TestReportText::copiedCells() {
    QFETCH(QString, indoor);
    QFETCH(QString, place);
    QFETCH(QString, tabLine);
    QFETCH(QString, html);
    ComparisonReport report = DefaultReport();
    report.inputs.IndoorTemp = indoor.toStdString();
    const QString tabs = Q(ReportTabSeparated(report, place.toStdString()));
    QVERIFY2(tabs.split(u'\n').contains(tabLine), qPrintable(tabs));
    for (const QString& line : tabs.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(line.count(u'\t') == 2 || line.count(u'\t') == 3, qPrintable(line));
    QVERIFY(!tabs.contains(u'\r'));
    const QString markup = Q(ReportHtml(report, place.toStdString()));
    QVERIFY2(markup.contains(html), qPrintable(markup));
    QVERIFY(!markup.contains("<b>"));
}
