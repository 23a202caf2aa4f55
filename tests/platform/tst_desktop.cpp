// How the windows meet a desktop: where a window opens and which buttons its frame offers, the
// colours whatever the desktop's, and the toolkit's own texts in the user's language.
#include <sched.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <clocale>
#include <functional>
#include <memory>

#include "contrast.h"
#include "fonts.h"
#include "palettes.h"
#include "prompts.h"
#include "toolkit_setup.h"
#include "toolkit_translations.h"
#include "window_frame.h"

using namespace vevi;

namespace {

// The main window's size at 96 dpi: its client area with the menu bar.
const QSize kWindow(681, 470);
// What openbox gives it: a one-pixel border and a title bar.
const QMargins kOpenbox(1, 20, 1, 1);

QColor Dark() {
    return {0x22, 0x20, 0x20};
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void plausibleFrame_data() {
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<bool>("plausible");
        QTest::newRow("no frame yet") << QMargins() << false;
        QTest::newRow("openbox") << kOpenbox << true;
        // Reported for a moment while openbox reparents the window: a 1x1 frame.
        QTest::newRow("passing 1x1 frame") << QMargins(0, 0, -680, -469) << false;
        QTest::newRow("one side negative") << QMargins(-1, 20, 1, 1) << false;
        QTest::newRow("only a title bar") << QMargins(0, 24, 0, 0) << true;
        QTest::newRow("as wide as the window") << QMargins(340, 20, 341, 1) << false;
        QTest::newRow("just narrower") << QMargins(340, 20, 340, 1) << true;
        QTest::newRow("as tall as the window") << QMargins(1, 400, 1, 70) << false;
    }
    void plausibleFrame() {
        QFETCH(QMargins, frame);
        QFETCH(bool, plausible);
        QCOMPARE(HasPlausibleFrame(frame, kWindow), plausible);
    }

    void centred_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("available");  // the screen less its panels
        QTest::addColumn<QPoint>("client");
        const QRect desk(0, 0, 1280, 1024);
        const QRect laptop(0, 0, 1366, 768);
        // Half the free room in whole twips, halved toward zero: 599 px is 8985 twips, so
        // 4492 twips, 299 px.
        QTest::newRow("no window manager")
            << kWindow << QMargins() << desk << desk << QPoint(299, 277);
        QTest::newRow("openbox frame") << kWindow << kOpenbox << desk << desk << QPoint(299, 286);
        QTest::newRow("passing 1x1 frame is ignored")
            << kWindow << QMargins(0, 0, -680, -469) << desk << desk << QPoint(299, 277);
        QTest::newRow("frame larger than the window is ignored")
            << kWindow << QMargins(700, 20, 1, 1) << desk << desk << QPoint(299, 277);
        QTest::newRow("laptop") << kWindow << kOpenbox << laptop << laptop << QPoint(342, 158);
        // Centred on the whole screen, as documented; a panel moves it only where it would
        // cover the window.
        QTest::newRow("panel at the top")
            << kWindow << kOpenbox << desk << QRect(0, 30, 1280, 994) << QPoint(299, 286);
        QTest::newRow("tall panel pushes it down")
            << kWindow << kOpenbox << laptop << QRect(0, 150, 1366, 618) << QPoint(342, 170);
        QTest::newRow("second screen") << kWindow << kOpenbox << QRect(1280, 0, 1920, 1080)
                                       << QRect(1280, 0, 1920, 1080) << QPoint(1899, 314);
        QTest::newRow("screen left of the first")
            << kWindow << kOpenbox << QRect(-1024, 0, 1024, 768) << QRect(-1024, 0, 1024, 768)
            << QPoint(-853, 158);
        // Twice the scale on a small laptop: taller than the screen, the title bar stays on.
        QTest::newRow("taller than the screen") << kWindow << kOpenbox << QRect(0, 0, 683, 384)
                                                << QRect(0, 0, 683, 384) << QPoint(1, 20);
        QTest::newRow("wider than the screen") << kWindow << QMargins() << QRect(0, 0, 640, 480)
                                               << QRect(0, 0, 640, 480) << QPoint(0, 5);
    }
    void centred() {
        QFETCH(QSize, window);
        QFETCH(QMargins, frame);
        QFETCH(QRect, screen);
        QFETCH(QRect, available);
        QFETCH(QPoint, client);
        const QPoint at = CentredClientTopLeft(window, frame, screen, available);
        QCOMPARE(at, client);
        // The outer frame, as the window manager then draws it.
        const QMargins drawn = HasPlausibleFrame(frame, window) ? frame : QMargins();
        const QRect outer = QRect(at, window).marginsAdded(drawn);
        if (outer.width() > available.width() || outer.height() > available.height()) {
            QVERIFY(available.contains(outer.topLeft()));
            return;
        }
        QVERIFY(available.contains(outer));
        if (available != screen) return;
        QVERIFY(std::abs((outer.left() - screen.left()) - (screen.right() - outer.right())) <= 2);
        QVERIFY(std::abs((outer.top() - screen.top()) - (screen.bottom() - outer.bottom())) <= 2);
    }

    void fixedSizeFlags_data() {
        QTest::addColumn<Qt::WindowType>("type");
        QTest::addColumn<bool>("minimise");
        QTest::newRow("main window") << Qt::Window << true;
        QTest::newRow("dialog") << Qt::Dialog << false;
    }
    void fixedSizeFlags() {
        QFETCH(Qt::WindowType, type);
        QFETCH(bool, minimise);
        const Qt::WindowFlags flags = FixedSizeWindowFlags(type);
        QCOMPARE(flags & Qt::WindowType_Mask, type);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), minimise);
        // A window made with them keeps them: the toolkit adds no default buttons.
        QWidget window(nullptr, flags);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void disabledTextContrast_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QPalette::ColorRole>("text");
        QTest::addColumn<QPalette::ColorRole>("behind");
        const std::pair<const char*, QPalette> palettes[] = {{"dialog", LightPalette()},
                                                             {"paper", PaperPalette()}};
        for (const auto& [name, palette] : palettes) {
            QTest::addRow("%s label", name) << palette << QPalette::WindowText << QPalette::Window;
            QTest::addRow("%s box", name) << palette << QPalette::Text << QPalette::Base;
            QTest::addRow("%s button", name) << palette << QPalette::ButtonText << QPalette::Button;
        }
    }
    void disabledTextContrast() {
        QFETCH(QPalette, palette);
        QFETCH(QPalette::ColorRole, text);
        QFETCH(QPalette::ColorRole, behind);
        const QColor ink = palette.color(QPalette::Disabled, text);
        const QColor ground = palette.color(QPalette::Disabled, behind);
        const double ratio = Contrast(ink, ground);
        QVERIFY2(
            ratio >= 4.5,
            qPrintable(
                QString("%1 on %2: %3:1").arg(ink.name(), ground.name()).arg(ratio, 0, 'f', 2)));
        // Still plainly disabled: lighter than enabled text.
        const QColor enabled = palette.color(QPalette::Active, text);
        QVERIFY(Contrast(enabled, ground) > ratio + 3);
    }

    // Under a dark desktop palette, themed per kind of control as desktop themes do, every
    // kind of window the program opens is light.
    void lightEverywhere_data() {
        QTest::addColumn<std::function<QWidget*()>>("make");
        QTest::addColumn<QPalette::ColorRole>("ground");
        QTest::addColumn<QString>("inner");
        using Make = std::function<QWidget*()>;
        QTest::newRow("menu") << Make([] { return new QMenu; }) << QPalette::Window << "";
        QTest::newRow("message box")
            << Make([] { return new QMessageBox(QMessageBox::Warning, "t", "text"); })
            << QPalette::Window << "QLabel";
        QTest::newRow("prompt") << Make([] {
            auto* prompt = new QInputDialog;
            prompt->setInputMode(QInputDialog::TextInput);
            prompt->setLabelText("prompt");
            return prompt;
        }) << QPalette::Window << "QLineEdit";
        QTest::newRow("file dialog") << Make([] {
            auto* dialog = new QFileDialog;
            dialog->setOption(QFileDialog::DontUseNativeDialog);
            return dialog;
        }) << QPalette::Window << "QAbstractItemView";
        QTest::newRow("guide") << Make([] { return new QTextBrowser; }) << QPalette::Base << "";
    }
    void lightEverywhere() {
        QFETCH(std::function<QWidget*()>, make);
        QFETCH(QPalette::ColorRole, ground);
        QFETCH(QString, inner);
        QPalette dark = QApplication::palette();
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, Dark());
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        QApplication::setPalette(dark);
        for (const char* kind :
             {"QMenu", "QLabel", "QLineEdit", "QAbstractItemView", "QTextEdit", "QMessageBoxLabel"})
            QApplication::setPalette(dark, kind);

        PrepareToolkit(QLocale::c());
        const std::unique_ptr<QWidget> window(make());
        window->ensurePolished();
        const QPalette light = LightPalette();
        QCOMPARE(window->palette().color(ground), light.color(ground));
        QCOMPARE(window->palette().color(QPalette::Text), light.color(QPalette::Text));
        if (!inner.isEmpty()) {
            QWidget* part = nullptr;
            for (QWidget* w : window->findChildren<QWidget*>())
                if (w->inherits(qPrintable(inner))) part = w;
            QVERIFY(part);
            part->ensurePolished();
            QCOMPARE(part->palette().color(QPalette::Base), light.color(QPalette::Base));
            QCOMPARE(part->palette().color(QPalette::WindowText),
                     light.color(QPalette::WindowText));
        }
    }

    // The menu bar's overflow arrow, read late, is the style's own arrow at every size, and
    // preparing twice wraps the style once.
    void overflowArrowAsTheStyles_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("painted");
        QTest::newRow("16 px") << 16 << 1.0 << false;
        QTest::newRow("32 px") << 32 << 1.0 << false;
        QTest::newRow("16 px on a 2x screen") << 16 << 2.0 << false;
        QTest::newRow("painted at 24 px") << 24 << 1.0 << true;
    }
    void overflowArrowAsTheStyles() {
        QFETCH(int, side);
        QFETCH(qreal, scale);
        QFETCH(bool, painted);
        DeferMenuOverflowIcon();
        DeferMenuOverflowIcon();
        auto* wrapper = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(wrapper);
        QStyle* own = wrapper->baseStyle();
        QVERIFY(!qobject_cast<QProxyStyle*>(own));
        const auto arrow = QStyle::SP_ToolBarHorizontalExtensionButton;
        const QIcon deferred = wrapper->standardIcon(arrow);
        const QIcon real = own->standardIcon(arrow);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), real.availableSizes());
        const auto draw = [&](const QIcon& icon) {
            if (!painted) return icon.pixmap(QSize(side, side), scale).toImage();
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            icon.paint(&p, image.rect());
            return image;
        };
        const QImage expected = draw(real);
        QVERIFY(!expected.isNull());
        QCOMPARE(draw(deferred), expected);
    }

    // A font names one installed family, which the toolkit resolves to the same face as the
    // whole list of stand-ins it stands for.
    void fontsAsTheirStandIns_data() {
        QTest::addColumn<FontFace>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QStringList>("standIns");
        const QStringList sans{"Liberation Sans", "DejaVu Sans"};
        QTest::newRow("Arial 6") << FontFace::Arial << 6.0 << false << QStringList{"Arial"} + sans;
        QTest::newRow("Arial 9.75 bold")
            << FontFace::Arial << 9.75 << true << QStringList{"Arial"} + sans;
        QTest::newRow("MS Sans Serif 8.25 bold")
            << FontFace::MsSansSerif << 8.25 << true << QStringList{"MS Sans Serif"} + sans;
        QTest::newRow("System 9.75 bold")
            << FontFace::System << 9.75 << true << QStringList{"MS Sans Serif"} + sans;
        QTest::newRow("Comic Sans 26.25 bold")
            << FontFace::ComicSans << 26.25 << true
            << QStringList{"Comic Sans MS", "Comic Neue", "Liberation Sans"};
    }
    void fontsAsTheirStandIns() {
        QFETCH(FontFace, face);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QStringList, standIns);
        const QFont font = MakeFont(face, points, bold);
        QCOMPARE(font.families().size(), 1);
        QFont listed = font;
        listed.setFamilies(standIns);
        const QFontInfo made(font), expected(listed);
        QCOMPARE(made.family(), expected.family());
        QCOMPARE(made.styleName(), expected.styleName());
        QCOMPARE(made.pixelSize(), expected.pixelSize());
    }

    // The font configuration read ahead on another core keeps to a locale of its own, the
    // reader is waited for however the object goes, and placing the reader leaves the caller's
    // cores as they were, also where the caller has one core only.
    void fontConfigurationAhead_data() {
        QTest::addColumn<bool>("oneCore");
        QTest::newRow("every core") << false;
        QTest::newRow("one core") << true;
    }
    void fontConfigurationAhead() {
        QFETCH(bool, oneCore);
        cpu_set_t every;
        QCOMPARE(sched_getaffinity(0, sizeof every, &every), 0);
        const auto restore = qScopeGuard([&] { sched_setaffinity(0, sizeof every, &every); });
        cpu_set_t caller = every;
        if (oneCore) {
            CPU_ZERO(&caller);
            CPU_SET(sched_getcpu(), &caller);
            QCOMPARE(sched_setaffinity(0, sizeof caller, &caller), 0);
        }
        const QByteArray before = std::setlocale(LC_ALL, nullptr);
        QVERIFY(std::setlocale(LC_ALL, "C.UTF-8"));
        { FontConfigurationAhead dropped; }
        FontConfigurationAhead ahead;
        ahead.Wait();
        ahead.Wait();
        QCOMPARE(QByteArray(std::setlocale(LC_ALL, nullptr)), QByteArray("C.UTF-8"));
        std::setlocale(LC_ALL, before.constData());
        cpu_set_t after;
        QCOMPARE(sched_getaffinity(0, sizeof after, &after), 0);
        QVERIFY(CPU_EQUAL(&after, &caller));
    }

    void toolkitTranslations_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("lookIn");
        QTest::newRow("German") << QLocale("de_DE") << true << "Suchen in:";
        QTest::newRow("French") << QLocale("fr_FR") << true << "Voir dans :";
        QTest::newRow("no such language") << QLocale::c() << false << "Look in:";
    }
    void toolkitTranslations() {
        QFETCH(QLocale, locale);
        QFETCH(bool, found);
        QFETCH(QString, lookIn);
        if (found &&
            !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("the toolkit's translations are not installed");
        QCOMPARE(LoadToolkitTranslations(locale), found);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
        // The program's own texts have no translation.
        QCOMPARE(QCoreApplication::translate("vevi", "Select a City"), "Select a City");
    }
    // The prompts are the program's: their buttons keep their texts in any language.
    void promptButtonsUntranslated_data() {
        QTest::addColumn<bool>("warning");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("warning") << true << QStringList{"OK"};
        QTest::newRow("input box") << false << QStringList{"Cancel", "OK"};
    }
    void promptButtonsUntranslated() {
        QFETCH(bool, warning);
        QFETCH(QStringList, buttons);
        if (!LoadToolkitTranslations(QLocale("de_DE")))
            QSKIP("the toolkit's translations are not installed");
        QStringList seen;
        // Read and closed as soon as it is up; nothing waits for a user.
        QTimer::singleShot(0, this, [&seen] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            for (auto* button : box->findChildren<QPushButton*>())
                if (button->isVisibleTo(box)) seen << button->text();
            box->close();
        });
        QtPrompts prompts;
        if (warning)
            prompts.Warn("text", "title");
        else
            prompts.AskText("prompt", "title");
        seen.sort();
        QCOMPARE(seen, buttons);
    }

    void cleanup() {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;
    }

    // The export dialog adds the picked format's extension to a bare name before it checks
    // for a file to replace, and follows a change of format: "keep" with the PDF filter is
    // keep.pdf, so the user is asked about an existing keep.pdf.
    void exportDialogSuffix() {
        const QStringList filters = {"PDF document (*.pdf)", "SVG drawing (*.svg)"};
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->selectFile("keep");
            seen << QFileInfo(dialog->selectedFiles().value(0)).fileName();
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            if (types) {
                // As a pick from the list: the index, then the filter's text.
                types->setCurrentIndex(1);
                emit types->activated(1);
                emit types->textActivated(types->itemText(1));
            }
            seen << QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->reject();
        });
        QtPrompts prompts;
        QString filter = filters.first();
        QCOMPARE(prompts.ChooseExportFile("Export Results", filters, &filter), QString());
        QCOMPARE(seen, (QStringList{"keep.pdf", "keep.svg"}));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
