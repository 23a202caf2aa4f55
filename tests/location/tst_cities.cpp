#include <QApplication>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "../window_test_main.h"
#include "frm_cities.h"
#include "location_table.h"
#include "settings_store.h"
#include "temp_settings.h"
#include "twips.h"

using namespace vevi;

namespace {

// Records what the dialog tells the main window.
struct FakeHost {
    bool save = true;
    QStringList calls;  // "elevation:610", "outdoor:19", "closed"
    std::function<void()> onClosed;

    void Attach(frmCities& dialog) {
        dialog.SetRememberPick(save);
        QObject::connect(&dialog, &frmCities::placeAccepted,
                         [this](const QString& elevation, const QString& outdoor) {
                             calls << "elevation:" + elevation << "outdoor:" + outdoor;
                         });
        QObject::connect(&dialog, &frmCities::closed, [this] {
            calls << "closed";
            if (onClosed) onClosed();
        });
    }
};

using RecordingStore = CountingStore;
using Key = SettingsStore::Key;

void Store(const QString& state, const QString& city) {
    QSettings s = TempSettings::Store();
    s.setValue(TempSettings::Path(Key::State), state);
    s.setValue(TempSettings::Path(Key::City), city);
    s.sync();
}

}  // namespace

class TestCities : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    std::unique_ptr<FakeHost> host_;
    std::unique_ptr<RecordingStore> store_;
    std::unique_ptr<frmCities> dialog_;

    QListWidget* List(const char* name) { return dialog_->findChild<QListWidget*>(name); }
    QLineEdit* Box(const char* name) { return dialog_->findChild<QLineEdit*>(name); }
    QPushButton* Button(const char* name) { return dialog_->findChild<QPushButton*>(name); }
    QListWidget* States() { return List("lstState"); }
    QListWidget* Cities() { return List("lstCities"); }
    QLineEdit* Elevation() { return Box("txtElevation"); }
    QLineEdit* Outdoor() { return Box("txtOutdoorTemp"); }
    QLineEdit* Pressure() { return Box("txtBarometricPressure"); }

    // Creates the dialog over what is stored now and shows it as the active window.
    void Open() {
        store_ = std::make_unique<RecordingStore>();
        dialog_ = std::make_unique<frmCities>(*store_);
        host_->Attach(*dialog_);
        dialog_->show();
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    // A pick by the mouse, as the user makes it.
    void Click(QListWidget* list, int row) {
        QVERIFY(row < list->count());
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    void ExpectPlace(const QString& state, const QString& city, const QString& elevation,
                     const QString& outdoor, const QString& pressure) {
        QCOMPARE(States()->currentItem() ? States()->currentItem()->text() : QString(), state);
        QCOMPARE(Cities()->currentItem() ? Cities()->currentItem()->text() : QString(), city);
        QCOMPARE(Elevation()->text(), elevation);
        QCOMPARE(Outdoor()->text(), outdoor);
        QCOMPARE(Pressure()->text(), pressure);
    }

private slots:
    void initTestCase() {
        QVERIFY(settingsDir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    }

    void init() {
        QSettings s = TempSettings::Store();
        s.clear();
        s.sync();
        host_ = std::make_unique<FakeHost>();
    }

    void cleanup() {
        dialog_.reset();
        store_.reset();
    }

    void firstRunOpensOnFirstPlace() {
        Open();
        QCOMPARE(States()->count(), 52);
        QCOMPARE(Cities()->count(), 9);
        ExpectPlace("Alabama", "Anniston", "610", "19", "29.27");
        QVERIFY(host_->calls.isEmpty());
    }

    void rememberedPlaceIsRestored_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("stateName");
        QTest::addColumn<QString>("cityName");
        QTest::addColumn<QString>("elevation");
        QTest::addColumn<QString>("outdoor");
        QTest::addColumn<QString>("pressure");
        QTest::newRow("Wyoming") << "51"
                                 << "0"
                                 << "Wyoming"
                                 << "Big Piney"
                                 << "6969"
                                 << "-22"
                                 << "23.11";
        QTest::newRow("Alamosa") << "5"
                                 << "0"
                                 << "Colorado"
                                 << "Alamosa"
                                 << "7543"
                                 << "-17"
                                 << "22.61";
        QTest::newRow("Homer, 0 F") << "1"
                                    << "17"
                                    << "Alaska"
                                    << "Homer"
                                    << "72"
                                    << "0"
                                    << "29.84";
        QTest::newRow("no city") << "12"
                                 << "-1"
                                 << "Illinois"
                                 << ""
                                 << ""
                                 << ""
                                 << "29.92";
    }
    void rememberedPlaceIsRestored() {
        QFETCH(QString, state);
        QFETCH(QString, city);
        Store(state, city);
        Open();
        QFETCH(QString, stateName);
        QFETCH(QString, cityName);
        QFETCH(QString, elevation);
        QFETCH(QString, outdoor);
        QFETCH(QString, pressure);
        ExpectPlace(stateName, cityName, elevation, outdoor, pressure);
        QCOMPARE(Cities()->currentRow(), city.toInt());
        QCOMPARE(Cities()->count(),
                 static_cast<int>(LocationTable::CityNames(state.toInt()).size()));
    }

    void corruptedRememberedValues_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("city");
        QTest::addColumn<int>("stateRow");
        QTest::addColumn<int>("cityRow");
        QTest::newRow("state abc") << "abc"
                                   << "3" << 0 << 0;
        QTest::newRow("state empty") << ""
                                     << "3" << 0 << 0;
        QTest::newRow("state -5") << "-5"
                                  << "0" << 0 << 0;
        QTest::newRow("state 52") << "52"
                                  << "0" << 0 << 0;
        QTest::newRow("state 1e400") << "1e400"
                                     << "0" << 0 << 0;
        QTest::newRow("state 3.5") << "3.5"
                                   << "0" << 0 << 0;
        QTest::newRow("city past the end") << "51"
                                           << "9" << 51 << 0;
        QTest::newRow("city -2") << "51"
                                 << "-2" << 51 << 0;
        QTest::newRow("city abc") << "12"
                                  << "abc" << 12 << 0;
        QTest::newRow("city empty") << "12"
                                    << "" << 12 << 0;
        QTest::newRow("city 1e400") << "12"
                                    << "1e400" << 12 << 0;
        QTest::newRow("city 3.5") << "12"
                                  << "3.5" << 12 << 0;
    }
    void corruptedRememberedValues() {
        QFETCH(QString, state);
        QFETCH(QString, city);
        QFETCH(int, stateRow);
        QFETCH(int, cityRow);
        Store(state, city);
        Open();
        QCOMPARE(States()->currentRow(), stateRow);
        QCOMPARE(Cities()->currentRow(), cityRow);
        QVERIFY(!Elevation()->text().isEmpty());
        QVERIFY(!Pressure()->text().isEmpty());
    }

    void pickingAnotherRegionEmptiesCityAndBoxes() {
        Open();
        Click(States(), 51);
        ExpectPlace("Wyoming", "", "", "", "");
        QCOMPARE(Cities()->count(), 9);
        QCOMPARE(Cities()->item(0)->text(), "Big Piney");
        // The city list takes the focus without picking a city.
        Cities()->setFocus(Qt::TabFocusReason);
        QCOMPARE(Cities()->currentRow(), -1);
        QCOMPARE(Elevation()->text(), "");
        Click(Cities(), 0);
        ExpectPlace("Wyoming", "Big Piney", "6969", "-22", "23.11");
    }

    void typingAnElevation() {
        Open();
        Elevation()->setFocus();
        Elevation()->selectAll();
        for (const char c : QByteArray("5280")) {
            Pressure()->setText("stale");
            QTest::keyClick(Elevation(), c);
            QCOMPARE(Pressure()->text(), "");
        }
        QCOMPARE(Elevation()->text(), "5280");
        QTest::keyClick(Elevation(), Qt::Key_Return);
        QCOMPARE(Pressure()->text(), "24.63");
        QVERIFY(Button("cmdOK")->hasFocus());
        QVERIFY(dialog_->isVisible());  // Enter in the box is not OK
        QVERIFY(host_->calls.isEmpty());
    }

    void leavingTheElevationBoxComputesThePressure() {
        Open();
        Elevation()->setFocus();
        Elevation()->selectAll();
        QTest::keyClicks(Elevation(), "5280");
        QTest::keyClick(Elevation(), Qt::Key_Tab);
        QCOMPARE(Pressure()->text(), "24.63");
        QVERIFY(Button("cmdOK")->hasFocus());

        Elevation()->setFocus();
        Elevation()->selectAll();
        QTest::keyClicks(Elevation(), "610");
        QCOMPARE(Pressure()->text(), "");
        Cities()->setFocus(Qt::MouseFocusReason);
        QCOMPARE(Pressure()->text(), "29.27");
    }

    void textThatIsNoNumberCountsAsSeaLevel() {
        Open();
        Elevation()->setFocus();
        Elevation()->selectAll();
        QTest::keyClicks(Elevation(), "abc");
        QTest::keyClick(Elevation(), Qt::Key_Return);
        QCOMPARE(Pressure()->text(), "29.92");
        QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
        QCOMPARE(host_->calls.value(0), "elevation:abc");
    }

    void pressureForElevation_data() {
        QTest::addColumn<QString>("elevation");
        QTest::addColumn<QString>("pressure");
        QTest::newRow("0") << "0"
                           << "29.92";
        QTest::newRow("610") << "610"
                             << "29.27";
        QTest::newRow("5280") << "5280"
                              << "24.63";
        QTest::newRow("6969") << "6969"
                              << "23.11";
        QTest::newRow("7543") << "7543"
                              << "22.61";
        QTest::newRow("-282") << "-282"
                              << "30.23";
        QTest::newRow("100000") << "100000"
                                << "0.07";
        QTest::newRow("blanks inside") << " 5 280"
                                       << "24.63";
        QTest::newRow("unit after") << "5280 ft"
                                    << "24.63";
        QTest::newRow("empty") << ""
                               << "29.92";
        QTest::newRow("overflow") << "1e999"
                                  << "";
        QTest::newRow("negative overflow") << "-1e999"
                                           << "";
        QTest::newRow("above the atmosphere") << "200000"
                                              << "";
        QTest::newRow("lowest accepted") << "-10000"
                                         << "42.45";
        QTest::newRow("highest accepted") << "145365"
                                          << "0.00";
        QTest::newRow("below the lowest") << "-10001"
                                          << "";
        QTest::newRow("far below") << "-1e60"
                                   << "";
        QTest::newRow("above the highest") << "145366"
                                           << "";
    }
    void pressureForElevation() {
        QFETCH(QString, elevation);
        QFETCH(QString, pressure);
        Open();
        Elevation()->setFocus();
        Elevation()->setText(elevation);
        QTest::keyClick(Elevation(), Qt::Key_Enter);
        QCOMPARE(Pressure()->text(), pressure);
    }

    void okCopiesToTheMainWindowAndRemembers() {
        Open();
        Click(States(), 12);
        Click(Cities(), 3);
        Outdoor()->setText("-7");
        const QString elevation = Elevation()->text();
        QVERIFY(!elevation.isEmpty());
        host_->onClosed = [this] {
            QVERIFY(!dialog_->isVisible());
            QCOMPARE(Elevation()->text(), "");
            QCOMPARE(Pressure()->text(), "");
        };
        QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
        QCOMPARE(host_->calls, QStringList({"elevation:" + elevation, "outdoor:-7", "closed"}));
        QCOMPARE(store_->values, QStringList({"State=12", "City=3"}));
        QCOMPARE(store_->State(), std::optional<int>(12));
        // Hidden, not unloaded: the choices stay.
        QCOMPARE(States()->currentRow(), 12);
        QCOMPARE(Cities()->currentRow(), 3);
        QCOMPARE(Outdoor()->text(), "-7");
    }

    void okWithSaveUncheckedRemembersNothing() {
        Store("51", "0");
        host_->save = false;
        Open();
        Click(Cities(), 4);
        QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
        QCOMPARE(host_->calls.size(), 3);
        QVERIFY(store_->values.isEmpty());
        QCOMPARE(TempSettings::Store().value(TempSettings::Path(Key::City)).toString(), "0");
    }

    void okWithoutCityRemembersMinusOne() {
        Open();
        Click(States(), 39);
        Elevation()->setText("1234");
        QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
        QCOMPARE(host_->calls, QStringList({"elevation:1234", "outdoor:", "closed"}));
        QCOMPARE(store_->values, QStringList({"State=39", "City=-1"}));
    }

    void cancelKeepsTheMainWindowAndTheChoices() {
        Open();
        Click(States(), 51);
        Click(Cities(), 0);
        Elevation()->setText("1000");
        Outdoor()->setText("5");
        QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
        QCOMPARE(host_->calls, QStringList({"closed"}));
        QVERIFY(!dialog_->isVisible());
        ExpectPlace("Wyoming", "Big Piney", "", "5", "");

        // Shown again: the remembered place is not read again, the selected city refills.
        Store("0", "0");
        dialog_->show();
        ExpectPlace("Wyoming", "Big Piney", "6969", "-22", "23.11");
        QVERIFY(store_->values.isEmpty());
    }

    void escapeAndCloseActAsCancel_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close button") << false;
    }
    void escapeAndCloseActAsCancel() {
        QFETCH(bool, byEscape);
        Open();
        Elevation()->setFocus();
        Elevation()->selectAll();
        QTest::keyClicks(Elevation(), "5280");
        if (byEscape)
            QTest::keyClick(Elevation(), Qt::Key_Escape);
        else
            QVERIFY(dialog_->close());
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(host_->calls, QStringList({"closed"}));
        // Hiding with the focus in the box is no leave of it.
        QCOMPARE(Elevation()->text(), "");
        QCOMPARE(Pressure()->text(), "");
    }

    void selectionCannotBeEmptiedByTheUser_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("state, Ctrl+click") << "lstState" << true;
        QTest::newRow("state, Ctrl+Space") << "lstState" << false;
        QTest::newRow("city, Ctrl+click") << "lstCities" << true;
        QTest::newRow("city, Ctrl+Space") << "lstCities" << false;
    }
    void selectionCannotBeEmptiedByTheUser() {
        QFETCH(QString, list);
        QFETCH(bool, byMouse);
        Store("0", "1");
        Open();
        QListWidget* box = List(qPrintable(list));
        const int row = box->currentRow();
        QVERIFY(row >= 0 && box->item(row)->isSelected());
        box->setFocus(Qt::MouseFocusReason);
        if (byMouse) {
            QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              box->visualItemRect(box->item(row)).center());
        } else {
            QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
        }
        QCOMPARE(box->currentRow(), row);
        QCOMPARE(box->selectedItems(), QList<QListWidgetItem*>{box->item(row)});
        ExpectPlace("Alabama", "Birmingham", "630", "18", "29.24");
    }

    void typedCharacterInStateListMovesToCityList() {
        Open();
        States()->setFocus();
        QTest::keyClick(States(), Qt::Key_Down);
        QVERIFY(States()->hasFocus());
        QCOMPARE(States()->currentRow(), 1);
        QTest::keyClick(States(), 'w');
        QCOMPARE(States()->currentItem()->text(), "Washington");
        QVERIFY(Cities()->hasFocus());
        QCOMPARE(Cities()->count(), 11);
        ExpectPlace("Washington", "", "", "", "");
    }

    void enterInStateListPicksTheRegionAgain() {
        Open();
        States()->setFocus();
        QTest::keyClick(States(), Qt::Key_Return);
        QVERIFY(dialog_->isVisible());
        QVERIFY(Cities()->hasFocus());
        ExpectPlace("Alabama", "", "", "", "");
        QCOMPARE(Cities()->count(), 9);
        QVERIFY(host_->calls.isEmpty());
    }

    void enterInCityListActsAsOk() {
        Open();
        Cities()->setFocus();
        QTest::keyClick(Cities(), Qt::Key_Down);
        QCOMPARE(Cities()->currentItem()->text(), "Birmingham");
        const QString elevation = Elevation()->text();
        QTest::keyClick(Cities(), Qt::Key_Return);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(host_->calls.size(), 3);
        QCOMPARE(host_->calls.first(), "elevation:" + elevation);
        QCOMPARE(store_->values, QStringList({"State=0", "City=1"}));
    }

    void enterPressesOnlyTheFocusedButton() {
        Open();
        QVERIFY(!Button("cmdOK")->isDefault());
        Outdoor()->setFocus();
        QTest::keyClick(Outdoor(), Qt::Key_Return);
        QVERIFY(dialog_->isVisible());
        QVERIFY(host_->calls.isEmpty());
        Button("cmdCancel")->setFocus();
        QTest::keyClick(Button("cmdCancel"), Qt::Key_Return);
        QCOMPARE(host_->calls, QStringList({"closed"}));
    }

    void activationFromAnotherWindowRefillsThePlace() {
        Open();
        Elevation()->setFocus();
        Elevation()->selectAll();
        QTest::keyClicks(Elevation(), "5000");
        QWidget other;
        auto* otherBox = new QLineEdit(&other);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(otherBox->hasFocus());
        // Another window taking the focus is no leave of the box.
        QCOMPARE(Elevation()->text(), "5000");
        QCOMPARE(Pressure()->text(), "");
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        ExpectPlace("Alabama", "Anniston", "610", "19", "29.27");
    }

    void namesKeepTheirApostrophes() {
        Open();
        Click(States(), 12);
        const QString typographic = QString::fromUtf8("Chicago, O\u2019Hare Int\u2019l A");
        QCOMPARE(Cities()->findItems(typographic, Qt::MatchExactly).size(), 1);
        Click(States(), 8);
        QCOMPARE(Cities()->findItems("Jacksonville, Int'l Airport", Qt::MatchExactly).size(), 1);
    }

    void tabOrder() {
        Open();
        States()->setFocus();
        const QStringList expected = {"lstCities", "txtElevation",   "cmdOK",
                                      "cmdCancel", "txtOutdoorTemp", "lstState"};
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("enabled");
        auto row = [](const char* name, const QString& text, QRect twips, bool enabled = true) {
            QTest::newRow(name) << QString(name) << text << twips << enabled;
        };
        row("lstState", "", {270, 435, 1905, 810});
        row("lblState", "State/Province", {285, 210, 1770, 210});
        row("lblCity", "City", {2475, 225, 765, 225});
        row("lstCities", "", {2490, 450, 2355, 810});
        row("lblElevation", "Elevation", {2490, 1605, 1275, 240});
        row("txtElevation", "0", {2520, 1815, 735, 285});
        row("lblFeet", "ft.", {3300, 1830, 375, 285});
        row("cmdOK", "OK", {255, 2940, 945, 375});
        row("txtBarometricPressure", "29.92", {2505, 2415, 735, 285}, false);
        row("lblHg", "\" Hg", {3315, 2430, 585, 285});
        row("lblBarometricPressure", "Barometric Pressure", {2490, 2220, 1785, 240});
        row("lblInstructions", "Select a city or enter an elevation and press OK",
            {210, 2175, 1845, 585});
        row("cmdCancel", "Cancel", {1320, 2940, 840, 375});
        row("txtOutdoorTemp", "0", {2520, 3045, 735, 285});
        row("Label1", "Outdoor design temperature", {2505, 2850, 2370, 195});
        row("Label2", "\u00B0F", {3345, 3060, 585, 285});
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QFETCH(bool, enabled);
        store_ = std::make_unique<RecordingStore>();
        dialog_ = std::make_unique<frmCities>(*store_);
        auto* w = dialog_->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(w->isEnabled(), enabled);
        QCOMPARE(w->accessibleDescription(), name);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QVERIFY(label->accessibleName().isEmpty());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QCOMPARE(button->text(), text);
            QVERIFY(button->accessibleName().isEmpty());
        } else {
            QVERIFY2(!w->accessibleName().isEmpty(), "a box says what it holds");
            if (auto* box = qobject_cast<QLineEdit*>(w)) {
                QCOMPARE(box->text(), text);  // before the first showing
                QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            }
        }
    }

    // The list with the focus has a ring around it; no other list has one.
    void focusRingOnLists_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("other");
        QTest::newRow("lstState") << "lstState"
                                  << "lstCities";
        QTest::newRow("lstCities") << "lstCities"
                                   << "lstState";
    }
    void focusRingOnLists() {
        QFETCH(QString, focused);
        QFETCH(QString, other);
        Open();
        auto ring = [this](const QString& list) {
            return dialog_->findChild<QFocusFrame*>(list + "_focus");
        };
        QListWidget* list = List(qPrintable(focused));
        list->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(list->hasFocus());
        QVERIFY(ring(focused) && ring(other));
        QVERIFY(ring(focused)->isVisible());
        QCOMPARE(ring(focused)->widget(), list);
        // Wholly outside the list, so that nothing of the list hides it.
        QVERIFY(ring(focused)->geometry().contains(list->geometry()));
        QVERIFY(ring(focused)->geometry() != list->geometry());
        QVERIFY(!ring(other)->isVisible());
        // Leaving the list takes its ring away.
        Elevation()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(Elevation()->hasFocus());
        QVERIFY(!ring(focused)->isVisible());
    }

    // Places in SI: the table's feet and °F converted, the pressure in kPa.
    void placesInSi_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("elevation");
        QTest::addColumn<QString>("outdoor");
        QTest::addColumn<QString>("pressure");
        // 610 ft = 185.9 m, 19 °F = -7.2 °C, 29.27 in. Hg = 99.11 kPa.
        QTest::newRow("Anniston") << "0"
                                  << "0"
                                  << "186"
                                  << "-7.2"
                                  << "99.11";
        // 6969 ft = 2124.2 m, -22 °F = -30.0 °C, 23.1109 in. Hg = 78.26 kPa.
        QTest::newRow("Big Piney") << "51"
                                   << "0"
                                   << "2124"
                                   << "-30.0"
                                   << "78.26";
        // No city: the pressure of an empty elevation, sea level.
        QTest::newRow("no city") << "0"
                                 << "-1"
                                 << ""
                                 << ""
                                 << "101.32";
    }
    void placesInSi() {
        QFETCH(QString, state);
        QFETCH(QString, city);
        QFETCH(QString, elevation);
        QFETCH(QString, outdoor);
        QFETCH(QString, pressure);
        Store(state, city);
        store_ = std::make_unique<RecordingStore>();
        dialog_ = std::make_unique<frmCities>(*store_);
        dialog_->SetUnits(UnitSystem::SI);
        dialog_->show();
        QCOMPARE(Elevation()->text(), elevation);
        QCOMPARE(Outdoor()->text(), outdoor);
        QCOMPARE(Pressure()->text(), pressure);
        QCOMPARE(dialog_->findChild<QLabel*>("lblFeet")->text(), "m");
        QCOMPARE(dialog_->findChild<QLabel*>("lblHg")->text(), "kPa");
        QCOMPARE(dialog_->findChild<QLabel*>("Label2")->text(), "\u00B0C");
        QCOMPARE(Elevation()->accessibleName(), "Elevation, metres");
        QCOMPARE(Pressure()->accessibleName(), "Barometric pressure, kilopascals");
    }

    // A typed elevation is in metres: 1609 m is 5278.9 ft, 24.6334 in. Hg, 83.42 kPa; -86 m
    // is -282.2 ft, 30.2265 in. Hg, 102.36 kPa.
    void typedElevationInSi_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pressure");
        QTest::newRow("one mile") << "1609"
                                  << "83.42";
        QTest::newRow("sea level") << "0"
                                   << "101.32";
        QTest::newRow("below sea level") << "-86"
                                         << "102.36";
        QTest::newRow("not a number") << "abc"
                                      << "101.32";
    }
    void typedElevationInSi() {
        QFETCH(QString, typed);
        QFETCH(QString, pressure);
        Open();
        dialog_->SetUnits(UnitSystem::SI);
        Elevation()->setFocus();
        Elevation()->selectAll();
        QTest::keyClicks(Elevation(), typed);
        QVERIFY(Pressure()->text().isEmpty());
        QTest::keyClick(Elevation(), Qt::Key_Return);
        QCOMPARE(Pressure()->text(), pressure);
        Button("cmdOK")->click();
        QCOMPARE(host_->calls.first(), "elevation:" + typed);
    }

    // Switching while shown carries the texts over; switching back restores the table's.
    void switchingCarriesTexts() {
        Open();
        dialog_->SetUnits(UnitSystem::SI);
        ExpectPlace("Alabama", "Anniston", "186", "-7.2", "99.11");
        dialog_->SetUnits(UnitSystem::US);
        ExpectPlace("Alabama", "Anniston", "610", "19", "29.27");
        QCOMPARE(dialog_->findChild<QLabel*>("lblFeet")->text(), "ft.");
        QCOMPARE(dialog_->findChild<QLabel*>("lblHg")->text(), "\" Hg");
        QCOMPARE(dialog_->findChild<QLabel*>("Label2")->text(), "\u00B0F");
        QCOMPARE(Elevation()->accessibleName(), "Elevation, feet");
    }

    void window() {
        store_ = std::make_unique<RecordingStore>();
        dialog_ = std::make_unique<frmCities>(*store_);
        QCOMPARE(dialog_->objectName(), "frmCities");
        QCOMPARE(dialog_->accessibleDescription(), "frmCities");
        QCOMPARE(dialog_->windowTitle(), "Select a City");
        QVERIFY(!dialog_->parentWidget());
        QVERIFY(!dialog_->isModal());
        QCOMPARE(dialog_->size(), QSize(Px(5085), Px(3465)));
        QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
        QVERIFY(!(dialog_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(dialog_->font().bold());
        QCOMPARE(dialog_->font().pointSizeF(), 8.25);
        QCOMPARE(Box("txtElevation")->accessibleName(), "Elevation, feet");
        QCOMPARE(Box("txtBarometricPressure")->accessibleName(),
                 "Barometric pressure, inches of mercury");
        QCOMPARE(List("lstState")->accessibleName(), "State or province");
        QCOMPARE(Box("txtOutdoorTemp")->accessibleName(), "Outdoor design temperature, \u00B0F");
    }
};

int main(int argc, char** argv) {
    return RunWindowTests<TestCities>(argc, argv);
}
#include "tst_cities.moc"
