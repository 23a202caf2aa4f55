#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

#include "frm_about.h"
#include "tests.h"
#include "twips.h"

using namespace vevi;

void TestAboutBox::window() {
    frmAbout box;
    QCOMPARE(box.windowTitle(), "About Vevi Razo ro. Vozo Veri Vevirazedo");
    QVERIFY(!box.isModal());
    QCOMPARE(box.size(), QSize(Px(7920), Px(4650)));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box.accessibleDescription(), "frmAbout");
}

void TestAboutBox::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    // Sized to its text in the font at hand, from the documented top left corner.
    QTest::addColumn<bool>("fitsText");
    QTest::newRow("Pic_ApplicationIcon")
        << "Pic_ApplicationIcon" << QString() << TwipsRect(240, 255, 480, 480) << false;
    QTest::newRow("Label4") << "Label4"
                            << "Halvex" << TwipsRect(915, 120, 1725, 735) << false;
    QTest::newRow("Label5") << "Label5"
                            << "TM" << TwipsRect(2760, 255, 210, 210) << true;
    QTest::newRow("Lbl_Description") << "Lbl_Description"
                                     << "Vevi Razo ro. Vozo Veri Vevirazedo" + QString(14, ' ') +
                                            "True ratings based on temperature and elevation"
                                     << TwipsRect(900, 840, 6885, 720) << false;
    QTest::newRow("Lbl_Version") << "Lbl_Version"
                                 << "Version 3.11" + QString(18, ' ') + "8/28/01"
                                 << TwipsRect(975, 1920, 3120, 240) << false;
    QTest::newRow("lin_HorizontalLine1")
        << "lin_HorizontalLine1" << QString()
        << QRect(QPoint(Px(960), Px(2550)), QPoint(Px(4995) - 1, Px(2550))) << false;
    QTest::newRow("Cmd_OK") << "Cmd_OK"
                            << "OK" << TwipsRect(6480, 4080, 1035, 360) << false;
}

void TestAboutBox::controls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(bool, fitsText);
    frmAbout box;
    QWidget* control = box.findChild<QWidget*>(name);
    QVERIFY(control);
    if (fitsText) {
        QCOMPARE(control->pos(), geometry.topLeft());
        auto* label = qobject_cast<QLabel*>(control);
        QVERIFY(label);
        const QFontMetrics fm(label->font());
        QVERIFY(label->contentsRect().width() >= fm.horizontalAdvance(text));
        QVERIFY(label->contentsRect().height() >= fm.height());
    } else {
        QCOMPARE(control->geometry(), geometry);
    }
    QCOMPARE(control->accessibleDescription(), name);
    if (auto* label = qobject_cast<QLabel*>(control); label && !text.isEmpty())
        QCOMPARE(label->text(), text);
    if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), text);
}

// Each sentence stands on a line of its own, whatever the font's width.
void TestAboutBox::descriptionOnTwoLines() {
    frmAbout box;
    auto* label = box.findChild<QLabel*>("Lbl_Description");
    QVERIFY(label->wordWrap());
    const QImage image = label->grab().toImage();

    // Rows of dark pixels form the lines of text; note how far right each line reaches.
    QList<int> lineEnds;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        int right = -1;
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96) right = x;
        if (right >= 0 && !inLine) lineEnds.append(right);
        if (right >= 0) lineEnds.back() = std::max(lineEnds.back(), right);
        inLine = right >= 0;
    }
    QCOMPARE(lineEnds.size(), 2);
    const QFontMetrics fm(label->font());
    QVERIFY(qAbs(lineEnds[0] - fm.horizontalAdvance("Vevi Razo ro. Vozo Veri Vevirazedo")) <= 3);
    QVERIFY(qAbs(lineEnds[1] -
                 fm.horizontalAdvance("True ratings based on temperature and elevation")) <= 3);
}

void TestAboutBox::okHidesOneBox() {
    auto onScreen = [] {
        return std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget* w) {
            return qobject_cast<frmAbout*>(w) && w->isVisible();
        });
    };
    frmAbout box;
    QSignalSpy hidden(&box, &frmAbout::hidden);
    box.show();
    box.show();
    QCOMPARE(onScreen(), 1);
    QTest::mouseClick(box.findChild<QPushButton*>("Cmd_OK"), Qt::LeftButton);
    QCOMPARE(onScreen(), 0);
    QCOMPARE(hidden.count(), 1);
    box.show();  // the same box again
    QCOMPARE(onScreen(), 1);
}
