#include <sys/resource.h>

#include <QClipboard>
#include <QDate>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>
#include <csignal>

#include "cli_options.h"
#include "command_line.h"
#include "fixture.h"
#include "main_layout.h"
#include "tests.h"

using namespace vevi;

namespace {

// What `vevi compute --format FORMAT` prints for the texts in the window's boxes.
QString CommandLineOutput(const Fixture& f, const QString& format) {
    QStringList args{"compute", "--format", format};
    for (const layout::BoxSpec& box : layout::Boxes())
        args << "--" + OptionName(box.field) << f.B(box.name)->text();
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunCommandLine(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    if (code != 0) qWarning("%s", qPrintable(err));
    return out;
}

// The texts of the cells of every HTML table, in order.
QStringList HtmlCells(const QString& html) {
    QStringList cells;
    static const QRegularExpression cell("<t[dh][^>]*>(.*?)</t[dh]>");
    for (const QRegularExpressionMatch& m : cell.globalMatch(html))
        cells << m.captured(1)
                     .replace("&lt;", "<")
                     .replace("&gt;", ">")
                     .replace("&quot;", "\"")
                     .replace("&amp;", "&");
    return cells;
}

QStringList SvgTexts(const QByteArray& svg) {
    QStringList texts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    return texts;
}

QString Row(const Fixture& f, const char* quantity, const char* unit, const char* suffix) {
    return QStringList{quantity, unit, f.L(qPrintable(QString("lblDrawThru") + suffix))->text(),
                       f.L(qPrintable(QString("lblBloThru") + suffix))->text()}
        .join('\t');
}

}  // namespace

void TestExport::copy_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("report");  // false: the box's own selection
    QTest::newRow("menu") << "menu" << true;
    QTest::newRow("Ctrl+C on a button") << "button" << true;
    QTest::newRow("Ctrl+C in a box without selection") << "box" << true;
    QTest::newRow("Ctrl+C in a box with a selection") << "selection" << false;
}

void TestExport::copy() {
    QFETCH(QString, how);
    QFETCH(bool, report);
    Fixture f(settings_);
    const QString indoor = f.B("txtIndoorTemp")->text();
    const QString limit = f.B("txtDrawThruTempRise")->text();
    f.Go();
    QGuiApplication::clipboard()->setText("before");
    InputBox* box = f.B("txtIndoorTemp");
    if (how == "menu") {
        f.A("mnuCopyResults")->trigger();
    } else {
        if (how == "button") {
            QCOMPARE(f.Focus(), f.Btn("cmdShowFormulas"));
        } else {
            box->setFocus(Qt::MouseFocusReason);
            Fixture::Settle();
            QCOMPARE(f.Focus(), box);
            if (how == "box")
                box->deselect();
            else
                box->setSelection(0, 1);
        }
        QTest::keyClick(f.Focus(), Qt::Key_C, Qt::ControlModifier);
    }
    QVERIFY(f.Shown());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!report) {
        QCOMPARE(data->text(), indoor.left(1));
        return;
    }
    const QStringList lines = data->text().split('\n');
    QCOMPARE(lines.size(), 9 + 1 + 1 + 1 + 10 + 1);
    QCOMPARE(lines[0], "Indoor temperature\t" + indoor + "\t\u00B0F");
    // The limit as entered, not the actual value the box shows while results are shown.
    QCOMPARE(lines[4], "Draw Thru max. temperature rise\t" + limit + "\t\u00B0F");
    QCOMPARE(lines[9], "Barometric pressure\t29.92\tin. Hg");
    QCOMPARE(lines[10], QString());
    QCOMPARE(lines[11], "Quantity\tUnit\tDraw Thru\tBlow Thru");
    QCOMPARE(lines[12], Row(f, "Inlet airflow", "cfm", "InletCFM"));
    QCOMPARE(lines[18], Row(f, "Net available for other loads", "MBH", "BTUNet"));
    QCOMPARE(lines[20], Row(f, "Discharge temperature", "\u00B0F", "DisTemp"));
    QCOMPARE(lines[22], QString());
    // The HTML tables hold the same cells.
    QVERIFY(data->hasHtml());
    QCOMPARE(HtmlCells(data->html()),
             data->text().split(QRegularExpression("[\t\n]+"), Qt::SkipEmptyParts));
}

void TestExport::offeredWithResults() {
    Fixture f(settings_);
    QAction* copy = f.A("mnuCopyResults");
    QAction* exportItem = f.A("mnuExportResults");
    QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    // After the print items, before Exit.
    QStringList order;
    for (QAction* a : f.w->findChild<QMenu*>("mnuFile")->actions())
        if (!a->objectName().isEmpty()) order << a->objectName();
    const QStringList documented = {"mnuPrintGraphics", "mnuPrintFormulas", "mnuExportResults",
                                    "mnuCopyResults", "mnuExit"};
    QCOMPARE(order.mid(order.indexOf("mnuPrintGraphics")), documented);
    for (int run = 0; run < 2; ++run) {
        QVERIFY(!copy->isEnabled());
        QVERIFY(!exportItem->isEnabled());
        f.Go();
        QVERIFY(copy->isEnabled());
        QVERIFY(exportItem->isEnabled());
        f.Go();
    }
}

void TestExport::exportFormats_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");  // empty: the export fails
    QTest::newRow("pdf") << "PDF document (*.pdf)"
                         << "page"
                         << "page.pdf";
    QTest::newRow("svg") << "SVG drawing (*.svg)"
                         << "drawing"
                         << "drawing.svg";
    QTest::newRow("png") << "PNG image at 2\u00D7 (*.png)"
                         << "image"
                         << "image.png";
    // A typed extension says the format, whatever the filter.
    QTest::newRow("csv") << "PDF document (*.pdf)"
                         << "table.csv"
                         << "table.csv";
    QTest::newRow("text") << "Text report (*.txt)"
                          << "report"
                          << "report.txt";
    // Another extension is the name the dialog asked about: written as typed.
    QTest::newRow("other extension") << "PDF document (*.pdf)"
                                     << "page.v2"
                                     << "page.v2";
    QTest::newRow("under a file") << "Text report (*.txt)"
                                  << "earlier.csv/report" << QString();
    QTest::newRow("full disk") << "CSV table (*.csv)"
                               << "earlier.csv" << QString();
}

void TestExport::exportFormats() {
    QFETCH(QString, filter);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Fixture f(settings_);
    const QString csv = CommandLineOutput(f, "csv");
    const QString text = CommandLineOutput(f, "text");
    f.Go();
    QTemporaryDir dir;
    const QByteArray earlier = "an earlier export";
    QFile old(dir.filePath("earlier.csv"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier) == earlier.size());
    old.close();
    f.prompts.exportPath = dir.filePath(typed);
    f.prompts.exportFilter = filter;

    const bool fullDisk = QTest::currentDataTag() == QByteArray("full disk");
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 64;  // less than any table, for root too
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = !fullDisk || setrlimit(RLIMIT_FSIZE, &small) == 0;
    f.A("mnuExportResults")->trigger();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);
    QVERIFY(limited);

    QCOMPARE(f.prompts.exportFilters.size(), 5);
    QVERIFY(f.prompts.exportFilters.contains(filter));
    QVERIFY(f.Btn("cmdGo")->isVisible());
    QVERIFY(f.Btn("cmdSelectCity")->isVisible());
    QVERIFY(f.Btn("cmdShowFormulas")->isVisible());
    QVERIFY(f.Timer1()->isActive());
    QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (written.isEmpty()) {
        QCOMPARE(f.prompts.shown.last().kind, QString("warn"));
        QCOMPARE(f.prompts.shown.last().title, QString("Export Failed"));
        QVERIFY2(f.prompts.shown.last().text.startsWith("Could not write"),
                 qPrintable(f.prompts.shown.last().text));
        QCOMPARE(files, QStringList{"earlier.csv"});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), earlier);
        return;
    }
    QVERIFY(f.prompts.Warnings().isEmpty());
    files.removeOne("earlier.csv");
    QCOMPARE(files, QStringList{written});
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString value = f.L("lblBloThruDisCFM")->text();
    const QString button = f.Btn("cmdGo")->text();
    const QString caption =
        "Barometric pressure: 29.92 in. Hg   Limits: Draw Thru 140\u00B0F "
        "discharge, 110\u00B0F rise; Blow Thru 160\u00B0F discharge, "
        "160\u00B0F rise   " +
        QDate::currentDate().toString(Qt::ISODate);
    if (bytes.startsWith("%PDF")) {
        QVERIFY(bytes.startsWith("%PDF"));
        const QString tool = QStandardPaths::findExecutable("pdftotext");
        if (tool.isEmpty()) QSKIP("pdftotext is not installed");
        QProcess pdf;
        pdf.start(tool, {"-raw", "-enc", "UTF-8", file.fileName(), "-"});
        QVERIFY(pdf.waitForFinished());
        const QString shown = QString::fromUtf8(pdf.readAllStandardOutput());
        QVERIFY2(shown.contains(value), qPrintable(shown));
        QVERIFY2(!shown.contains(button), qPrintable(shown));
        // The line under the diagram says what the picture alone does not.
        QVERIFY2(shown.simplified().contains(caption.simplified()), qPrintable(shown));
    } else if (written.endsWith(".svg")) {
        const QStringList texts = SvgTexts(bytes);
        QVERIFY2(texts.contains(value), qPrintable(texts.join('|')));
        QVERIFY(!texts.contains(button));
        QVERIFY2(texts.contains(caption.simplified()), qPrintable(texts.join(QChar(0x7c))));
        // Drawn in the window's logical pixels, caption line included, so it scales whole.
        QXmlStreamReader xml(bytes);
        QVERIFY(xml.readNextStartElement() && xml.name() == QLatin1String("svg"));
        const QStringList box = xml.attributes().value("viewBox").toString().split(' ');
        QCOMPARE(box.size(), 4);
        QCOMPARE(box[2].toInt(), f.w->centralWidget()->width());
        QVERIFY(box[3].toInt() > f.w->centralWidget()->height());
    } else if (written.endsWith(".png")) {
        const QImage image = QImage::fromData(bytes);
        // The window's image with the caption's line under it.
        const QSize window = f.w->centralWidget()->size() * 2;
        QCOMPARE(image.width(), window.width());
        QVERIFY(image.height() > window.height() + 20);
        // Twice the pixels, tagged 192 dpi, so it prints at the window's size.
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 192);
        QCOMPARE(qRound(image.dotsPerMeterY() * 0.0254), 192);
    } else if (written.endsWith(".csv")) {
        QCOMPARE(QString::fromUtf8(bytes), csv);
    } else {
        QCOMPARE(QString::fromUtf8(bytes), text);
    }
}
