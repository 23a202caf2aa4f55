#include <sys/resource.h>
#include <sys/stat.h>

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <csignal>

#include "fixture.h"
#include "frm_formulas.h"
#include "page_export.h"
#include "tests.h"

using namespace vevi;

namespace {

// Prints to a PDF file in place of choosing a printer.
std::function<bool(QPrinter&)> ToPdf(const QString& path) {
    return [path](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(path);
        return true;
    };
}

// The page rendered back to an image without smoothing, so that every inked pixel has its
// exact colour; null when the tool is missing.
QImage RenderPage(const QString& pdf, int* pages) {
    const QString tool = QStandardPaths::findExecutable("pdftoppm");
    if (tool.isEmpty()) return QImage();
    QProcess info;
    info.start(QStandardPaths::findExecutable("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString out = info.readAllStandardOutput();
    const int at = out.indexOf("Pages:");
    *pages = at < 0 ? 0 : out.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
    QProcess render;
    render.start(tool, {"-png", "-r", "72", "-aa", "no", "-aaVector", "no", "-f", "1",
                        "-singlefile", pdf, pdf});
    render.waitForFinished();
    return QImage(pdf + ".png");
}

int DarkPixels(const QImage& image, QRect area) {
    int dark = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
}

// The text pdftotext finds in the file, blanks and line ends collapsed to single blanks.
QString PdfText(const QString& pdf) {
    QProcess text;
    text.start(QStandardPaths::findExecutable("pdftotext"), {"-raw", "-enc", "UTF-8", pdf, "-"});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

// The texts a window shows (labels and boxes), blanks collapsed, and the texts of its hidden
// buttons.
void TextsOf(const QWidget& window, QStringList* shown, QStringList* hidden) {
    for (const QLabel* l : window.findChildren<QLabel*>())
        if (l->isVisibleTo(&window) && !l->text().simplified().isEmpty())
            *shown << l->text().simplified();
    for (const QLineEdit* e : window.findChildren<QLineEdit*>())
        if (e->isVisibleTo(&window) && !e->text().simplified().isEmpty())
            *shown << e->text().simplified();
    for (const QPushButton* b : window.findChildren<QPushButton*>())
        if (!b->isVisibleTo(&window)) *hidden << b->text();
}

// Which of the result labels' own colours appear in the image.
QSet<QRgb> ResultColoursIn(const QImage& image) {
    const QSet<QRgb> own = {qRgb(0, 0, 192), qRgb(192, 0, 0), qRgb(255, 0, 255), qRgb(0, 0, 255)};
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (own.contains(image.pixel(x, y) | 0xff000000u))
                found << (image.pixel(x, y) | 0xff000000u);
    return found;
}

QList<QColor> ColoursOf(const Fixture& f) {
    QList<QColor> colours;
    for (const char* a : {"lblDrawThru", "lblBloThru"})
        for (const char* s :
             {"InletCFM", "DisCFM", "SpaceCFM", "BTUIn", "BTUOut", "BTUAirLoad", "BTUNet"})
            colours << f.L(qPrintable(QString(a) + s))->palette().color(QPalette::WindowText);
    return colours;
}

}  // namespace

void TestPrinting::printsToPdf_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("colour") << "mnuColor";
    QTest::newRow("black and white") << "mnuBW";
    QTest::newRow("formulas") << "mnuPrintFormulas";
}

void TestPrinting::printsToPdf() {
    QFETCH(QString, item);
    Fixture f(settings_);
    f.Go();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    QList<QColor> coloursWhilePrinting;
    QStringList shown, hidden;
    bool buttonsHidden = false;
    bool timerStopped = false;
    f.prompts.printer = [&](QPrinter& p) {
        coloursWhilePrinting = ColoursOf(f);
        TextsOf(item == "mnuPrintFormulas" ? *static_cast<QWidget*>(f.Formulas())
                                           : *f.w->centralWidget(),
                &shown, &hidden);
        buttonsHidden = item == "mnuPrintFormulas"
                            ? !f.Formulas()
                                   ->findChild<QPushButton*>("cmdShowGraphics")
                                   ->isVisibleTo(f.Formulas())
                            : !f.Btn("cmdGo")->isVisibleTo(f.w.get()) &&
                                  !f.Btn("cmdSelectCity")->isVisibleTo(f.w.get()) &&
                                  !f.Btn("cmdShowFormulas")->isVisibleTo(f.w.get());
        timerStopped = !f.Timer1()->isActive();
        return ToPdf(pdf)(p);
    };
    const QList<QColor> own = ColoursOf(f);
    f.A(qPrintable(item))->trigger();
    QVERIFY(buttonsHidden);
    QVERIFY(timerStopped);
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(f.prompts.shown.last().text, item == "mnuPrintFormulas"
                                              ? QString("Heater comparison formulas")
                                              : QString("Heater comparison"));
    if (item == "mnuBW") {
        for (const QColor& c : coloursWhilePrinting)
            QCOMPARE(c, QApplication::palette().color(QPalette::WindowText));
    } else if (item == "mnuColor") {
        QCOMPARE(coloursWhilePrinting, own);
    }
    QCOMPARE(ColoursOf(f), own);
    QVERIFY(f.Timer1()->isActive());
    int pages = 0;
    const QImage page = RenderPage(pdf, &pages);
    if (page.isNull()) QSKIP("pdftoppm is not installed");
    QCOMPARE(pages, 1);
    // Dark ink where the drawing stands: the middle band of the page.
    const QRect middle(page.width() / 10, page.height() / 3, page.width() * 8 / 10,
                       page.height() / 3);
    QVERIFY2(DarkPixels(page, middle) > 200, qPrintable(QString::number(DarkPixels(page, middle))));
    // Drawn as vectors: a small file whose text can be found and copied, as the window shows it.
    QVERIFY2(QFileInfo(pdf).size() < 150 * 1024,
             qPrintable(QString::number(QFileInfo(pdf).size())));
    const QString text = PdfText(pdf);
    QVERIFY(hidden.size() >= 1);
    QVERIFY(shown.size() > 20);
    for (const QString& t : shown) QVERIFY2(text.contains(t), qPrintable(t + " in: " + text));
    for (const QString& t : hidden) QVERIFY2(!text.contains(t), qPrintable(t));
    const QSet<QRgb> colours = ResultColoursIn(page);
    if (item == "mnuColor") QCOMPARE(colours.size(), 4);
    if (item == "mnuBW") QVERIFY(colours.isEmpty());
}

void TestPrinting::cancelRestores_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("target");  // a PDF file that cannot be written; "" to cancel
    QTest::addColumn<QString>("warning");
    QTest::newRow("colour") << "mnuColor"
                            << ""
                            << "";
    QTest::newRow("black and white") << "mnuBW"
                                     << ""
                                     << "";
    QTest::newRow("formulas") << "mnuPrintFormulas"
                              << ""
                              << "";
    QTest::newRow("black and white, printing fails")
        << "mnuBW"
        << "/nonexistent folder/page.pdf"
        << "Printing failed: /nonexistent folder/page.pdf could not be written (No such file or "
           "directory)";
    QTest::newRow("formulas, printing fails") << "mnuPrintFormulas"
                                              << "/nonexistent folder/page.pdf"
                                              << "Printing failed: /nonexistent folder/page.pdf";
    QTest::newRow("colour over a named pipe") << "mnuColor"
                                              << "%DIR%/pipe.pdf"
                                              << "it is a device or a pipe, not a regular file";
}

void TestPrinting::cancelRestores() {
    QFETCH(QString, item);
    QFETCH(QString, target);
    QFETCH(QString, warning);
    const bool fails = !target.isEmpty();
    QTemporaryDir dir;
    if (target.startsWith("%DIR%")) {
        target.replace("%DIR%", dir.path());
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    }
    Fixture f(settings_);
    f.Go();
    if (fails) f.prompts.printer = ToPdf(target);
    f.A(qPrintable(item))->trigger();  // the scripted printer dialog cancels, or prints
    QCOMPARE(f.prompts.Warnings().size(), fails ? 1 : 0);
    if (fails) QVERIFY2(f.prompts.Warnings().first().contains(warning), qPrintable(warning));
    if (target.startsWith(dir.path()))
        QVERIFY(QFileInfo(target).exists() && !QFileInfo(target).isFile());
    if (fails) QCOMPARE(f.prompts.shown.last().title, f.w->windowTitle());
    QCOMPARE(f.prompts.shown.first().kind, QString("printer"));
    QVERIFY(f.Btn("cmdGo")->isVisible());
    QVERIFY(f.Btn("cmdSelectCity")->isVisible());
    QVERIFY(f.Btn("cmdShowFormulas")->isVisible());
    QVERIFY(f.Timer1()->isActive());
    QCOMPARE(f.L("lblDrawThruBTUAirLoad")->palette().color(QPalette::WindowText),
             QColor(0, 0, 255));
    QCOMPARE(f.L("lblBloThruBTUAirLoad")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(f.L("lblDrawThruInletCFM")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(f.L("lblBloThruInletCFM")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(f.L("Label7")->palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::WindowText));
    if (item == "mnuPrintFormulas")
        QVERIFY(
            f.Formulas()->findChild<QPushButton*>("cmdShowGraphics")->isVisibleTo(f.Formulas()));
}

void TestPrinting::formulasNeverShown() {
    Fixture f(settings_);
    f.Go();
    QTemporaryDir dir;
    f.prompts.printer = ToPdf(dir.filePath("formulas.pdf"));
    f.A("mnuPrintFormulas")->trigger();
    QVERIFY(QFile::exists(dir.filePath("formulas.pdf")));
    QVERIFY(!f.Formulas()->isVisible());
    f.Btn("cmdShowFormulas")->click();
    QVERIFY(f.Formulas()->findChild<QPushButton*>("cmdShowGraphics")->isVisible());
}

void TestPrinting::disabledWhenStopped() {
    Fixture f(settings_);
    QVERIFY(!f.A("mnuPrintGraphics")->isEnabled());
    QVERIFY(!f.A("mnuPrintFormulas")->isEnabled());
    f.Go();
    f.Go();
    QVERIFY(!f.A("mnuPrintGraphics")->isEnabled());
    QVERIFY(!f.A("mnuPrintFormulas")->isEnabled());
}

void TestPrinting::writesPages_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("where");
    for (const char* format : {"pdf", "svg", "png"})
        for (const char* where : {"folder", "missing folder", "under a file", "over a file"})
            QTest::addRow("%s %s", format, where) << format << where;
}

void TestPrinting::writesPages() {
    QFETCH(QString, format);
    QFETCH(QString, where);
    Fixture f(settings_);
    f.Go();
    QWidget& window = *f.w->centralWidget();
    const QString value = f.L("lblBloThruBTUNet")->text().simplified();
    QTemporaryDir dir;
    QString path = dir.filePath("page." + format);
    auto write = [&] {
        if (format == "pdf") return WriteWidgetPdf(window, path, "Heater comparison");
        if (format == "svg") return WriteWidgetSvg(window, path, "Heater comparison");
        return WriteWidgetPng(window, path, 2);
    };
    const auto entries = [&] {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };

    if (where == "folder") {
        QCOMPARE(write(), QString());
        QCOMPARE(entries(), QStringList{"page." + format});  // no temporary file left behind
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (format == "pdf") {
            QVERIFY(bytes.startsWith("%PDF"));
            if (QStandardPaths::findExecutable("pdftotext").isEmpty())
                QSKIP("pdftotext is not installed");
            QVERIFY2(PdfText(path).contains(value), qPrintable(PdfText(path)));
        } else if (format == "svg") {
            QVERIFY(QSvgRenderer(bytes).isValid());
            QStringList texts;
            QXmlStreamReader xml(bytes);
            while (!xml.atEnd())
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
                    texts
                        << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            QVERIFY(!xml.hasError());
            QVERIFY2(texts.contains(value), qPrintable(texts.join('|')));
        } else {
            QCOMPARE(QImage::fromData(bytes).size(), window.size() * 2);
        }
        return;
    }

    // An earlier file that a failed write must leave as it was.
    const QByteArray earlier = "an earlier export";
    QFile old(dir.filePath("earlier." + format));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier) == earlier.size());
    old.close();
    QString error;
    if (where == "missing folder") {
        path = dir.filePath("missing/page." + format);
        error = write();
    } else if (where == "under a file") {
        // A regular file as a folder stops every user, root included.
        path = old.fileName() + "/page." + format;
        error = write();
    } else {
        // Over the earlier file, with every write past the first 4 KB refused, as on a full
        // disk; the limit holds for root too.
        path = old.fileName();
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 4096;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        const bool limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
        error = write();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
        QVERIFY(limited);
    }
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(entries(), QStringList{"earlier." + format});
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), earlier);
}
