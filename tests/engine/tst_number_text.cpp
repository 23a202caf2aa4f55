#include <QtTest>
#include <cmath>
#include <limits>
#include <string>

#include "number_text.h"
#include "tests.h"

using namespace vevi;

void TestNumberText::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "65" << 65.0;
    QTest::newRow("decimal") << "65.50" << 65.5;
    QTest::newRow("unit after") << "12 ft" << 12.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters after digits") << "12abc" << 12.0;
    QTest::newRow("negative") << "-40" << -40.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("blanks inside") << " 1 2 . 5 " << 12.5;
    QTest::newRow("tab and line feed") << "\t-\n3" << -3.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("comma stops") << "1,000" << 1.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("exponent E") << "1.5E3" << 1500.0;
    QTest::newRow("exponent d") << "2d2" << 200.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent without digits") << "12e" << 12.0;
    QTest::newRow("exponent sign without digits") << "12e+x" << 12.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("sign and point") << "-." << 0.0;
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("octal without digits") << "&Ox" << 0.0;
    QTest::newRow("ampersand alone") << "&5" << 0.0;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("degree sign stops") << "70\u00B0F" << 70.0;
    QTest::newRow("zero-width space inside") << "5\u200B0" << 50.0;
    QTest::newRow("soft hyphen before") << "\u00AD12" << 12.0;
    QTest::newRow("right-to-left mark before") << "\u200F12" << 12.0;
    QTest::newRow("byte order mark inside") << "1\uFEFF2.5" << 12.5;
}

void TestNumberText::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text.toStdString()), value);
}

void TestNumberText::leadingNumberExtremes() {
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(LeadingNumber("1e999"), inf);
    QCOMPARE(LeadingNumber("-1e300000000000000000000"), -inf);
    QCOMPARE(LeadingNumber(std::string(400, '9')), inf);
    QCOMPARE(LeadingNumber("0." + std::string(5000, '0') + "1e5001"), 1.0);
    // A text of thousands of characters reads without trouble.
    QCOMPARE(LeadingNumber(std::string(10000, '7').insert(0, "0.")), 7.0 / 9.0);
    QCOMPARE(LeadingNumber(std::string(20000, ' ') + "42"), 42.0);
    // Bytes that form no character, or a format character cut short, stop the reading
    // ("\x30" is the digit 0; "\xF0\x82\x80\x8B" is U+200B in an overlong form).
    for (const std::string_view text :
         {"5\xE2\x80", "5\xE2\x80\x30", "5\x8B\x30", "5\xF0\x82\x80\x8B\x30"})
        QCOMPARE(LeadingNumber(text), 5.0);
    QCOMPARE(LeadingNumber(std::string_view("5\xE2\x80\x8B\x30", 3)), 5.0);
    // Reading never runs past the text: a view into a longer buffer stops at its end.
    const std::string buffer = "12345";
    QCOMPARE(LeadingNumber(std::string_view(buffer.data(), 2)), 12.0);
}

void TestNumberText::plainAndSignedText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("sign");
    QTest::newRow("whole") << 110.0 << "110"
                           << " 110";
    QTest::newRow("fraction") << 65.5 << "65.5"
                              << " 65.5";
    QTest::newRow("below one") << 0.5 << "0.5"
                               << " 0.5";
    QTest::newRow("zero") << 0.0 << "0"
                          << " 0";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << " 0";
    QTest::newRow("negative") << -20.0 << "-20"
                              << "-20";
    QTest::newRow("negative fraction") << -0.25 << "-0.25"
                                       << "-0.25";
    QTest::newRow("15 digits") << 1.0 / 3.0 << "0.333333333333333"
                               << " 0.333333333333333";
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << "0.3"
                                          << " 0.3";
    QTest::newRow("large") << 123456789012345.0 << "123456789012345"
                           << " 123456789012345";
    QTest::newRow("larger than 15 digits") << 1e17 << "100000000000000000"
                                           << " 100000000000000000";
    QTest::newRow("small") << 0.000125 << "0.000125"
                           << " 0.000125";
    // Rounded up in 15 digits, the largest double would read back as infinity.
    QTest::newRow("largest double")
        << -1.7976931348623157e308 << "-179769313486231" + QString(294, '0')
        << "-179769313486231" + QString(294, '0');
}

void TestNumberText::plainAndSignedText() {
    QFETCH(double, value);
    QFETCH(QString, plain);
    QFETCH(QString, sign);
    QCOMPARE(QString::fromStdString(PlainNumberText(value)), plain);
    QCOMPARE(QString::fromStdString(SignedNumberText(value)), sign);
    QCOMPARE(LeadingNumber(PlainNumberText(value)), LeadingNumber(plain.toStdString()));
    QVERIFY(std::isfinite(LeadingNumber(PlainNumberText(value))));
}

void TestNumberText::formatNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1102.56 << "###0"
                           << "1103";
    QTest::newRow("binary half up") << 1102.5 << "###0"
                                    << "1103";
    QTest::newRow("half away from zero negative") << -2.5 << "###0"
                                                  << "-3";
    QTest::newRow("below half") << 1102.4999 << "###0"
                                << "1102";
    QTest::newRow("tiny negative is not -0") << -0.229 << "###0"
                                             << "0";
    QTest::newRow("negative zero") << -0.0 << "###0"
                                   << "0";
    QTest::newRow("grouping") << 10000.0 << "###,##0"
                              << "10,000";
    QTest::newRow("grouping rounds") << 8070.18 << "###,##0"
                                     << "8,070";
    QTest::newRow("grouping millions") << 1234567.0 << "###,##0"
                                       << "1,234,567";
    QTest::newRow("grouping negative") << -13478.26 << "##,###,##0"
                                       << "-13,478";
    QTest::newRow("grouping small") << 999.5 << "###,##0"
                                    << "1,000";
    QTest::newRow("grouping zero") << 0.0 << "##,###,##0"
                                   << "0";
    QTest::newRow("grouping three digits") << 999.0 << "###,##0"
                                           << "999";
    QTest::newRow("grouping six digits") << 123456.0 << "##,###,##0"
                                         << "123,456";
    QTest::newRow("grouping negative six digits") << -654321.0 << "###,##0"
                                                  << "-654,321";
    QTest::newRow("two decimals") << 29.92 << "##.00"
                                  << "29.92";
    QTest::newRow("no leading zero") << 0.07 << "##.00"
                                     << ".07";
    QTest::newRow("leading zero") << 0.07 << "#0.00"
                                  << "0.07";
    QTest::newRow("2.675 rounds up") << 2.675 << "#0.00"
                                     << "2.68";
    QTest::newRow("carry into integer") << 9.999 << "#0.00"
                                        << "10.00";
    QTest::newRow("four decimals") << 0.0696060 << "0.0000"
                                   << "0.0696";
    QTest::newRow("four decimals up") << 0.0862509 << "0.0000"
                                      << "0.0863";
    QTest::newRow("four decimals negative tiny") << -0.00001 << "0.0000"
                                                 << "0.0000";
    QTest::newRow("capacity") << 8051.4 << "####0"
                              << "8051";
    QTest::newRow("capacity draw") << 9801.5 << "#####0"
                                   << "9802";
    QTest::newRow("large") << 1e17 << "###0"
                           << "100000000000000000";
    QTest::newRow("pressure") << 24.8922 << "#0.00"
                              << "24.89";
}

void TestNumberText::formatNumber() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatNumber(value, pattern.toStdString())), text);
}

void TestNumberText::round0_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("down") << 651.51 << 652.0;
    QTest::newRow("half") << 0.5 << 1.0;
    QTest::newRow("negative half") << -0.5 << -1.0;
    QTest::newRow("binary half") << 1102.5 << 1103.0;
    QTest::newRow("negative small") << -0.229 << 0.0;
    QTest::newRow("large") << 123456.4 << 123456.0;
}

void TestNumberText::round0() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(vevi::round0(value), rounded);
}
