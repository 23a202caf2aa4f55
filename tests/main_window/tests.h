// The main window's test classes.
#pragma once

#include <QObject>

#include "temp_settings.h"

class TestLayout : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void windowAndClientArea();
    void controlsAtStart_data();
    void controlsAtStart();
    void geometryInTwips_data();
    void geometryInTwips();
    void boxesShowWidestText_data();
    void boxesShowWidestText();
    void subscriptsClearOfText_data();
    void subscriptsClearOfText();
    void labelsInTableOrder_data();
    void labelsInTableOrder();
    void diagramAtStart();
    void menuTree_data();
    void menuTree();
    void accessibility();
    void startUpSettings_data();
    void startUpSettings();
    void exitWritesSettingsOnce_data();
    void exitWritesSettingsOnce();
    void savedTexts_data();
    void savedTexts();
    void corruptedSettings_data();
    void corruptedSettings();
    void unusableSettingsFile_data();
    void unusableSettingsFile();
    void aboutBox();
    void focusReturnsToSelectCity();
};

class TestResults : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void startWritesEveryLabel();
    void startWritesFormulas();
    void startState();
    void flames_data();
    void flames();
    void viewsAfterStart_data();
    void viewsAfterStart();
    void switchingViews();
    void stopRestores();
    void limitBoxesShowWholeValues();
    void wheels();
    void timerRepaintsOnlyWheels();
    void formulasWindow();
};

class TestInputs : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void enterOutOfRange();
    void bounds_data();
    void bounds();
    void emptiedIndoorRejectedAgain();
    void oneWarningPerLeave();
    void otherWindowIsNoLeave();
    void returnFromOtherWindowLeavesOnce_data();
    void returnFromOtherWindowLeavesOnce();
    void clickOnGoAfterRefusedLeave();
    void limitBoxShowingActualValueIsNotChecked();
    void longestText_data();
    void longestText();
    void selectionOnFocus_data();
    void selectionOnFocus();
    void entryChain_data();
    void entryChain();
    void arrows_data();
    void arrows();
    void tabOnButtons();
    void changeStopsDisplay_data();
    void changeStopsDisplay();
    void elevationRefusedAtStart_data();
    void elevationRefusedAtStart();
    void matching_data();
    void matching();
    void matchingAnswersThatChangeNothing_data();
    void matchingAnswersThatChangeNothing();
    void matchingZeroDivisor();
    void matchingTooLong();
};

class TestPrinting : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void printsToPdf_data();
    void printsToPdf();
    void cancelRestores_data();
    void cancelRestores();
    void formulasNeverShown();
    void disabledWhenStopped();
    void writesPages_data();
    void writesPages();
};

class TestExport : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void copy_data();
    void copy();
    void offeredWithResults();
    void exportFormats_data();
    void exportFormats();
};

class TestKeys : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void keyboardOnly();
    void shiftTab_data();
    void shiftTab();
    void shiftTabLeavesBox();
    void buttonKeys_data();
    void buttonKeys();
    void printKey_data();
    void printKey();
    void focusMark();
    void screenReaderNames_data();
    void screenReaderNames();
    void darkTheme_data();
    void darkTheme();
    void darkThemePrint();
};

class TestLocation : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void okCopiesAndStopsDisplay();
    void okWithoutSaving();
    void closingEnablesMainWindow_data();
    void closingEnablesMainWindow();
    void elevationFromDialogRefusedAtStart();
    void printMenusStayDisabledAfterDialog();
    void selectCityAfterRefusedLeave();
    void otherWindowsWaitForDialog();
};

class TestJobs : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void fileMenu();
    void roundTrip_data();
    void roundTrip();
    void openStopsDisplay_data();
    void openStopsDisplay();
    void longTextsCut_data();
    void longTextsCut();
    void badFiles_data();
    void badFiles();
    void failedSave_data();
    void failedSave();
    void saveWhileDisplayed();
    void saveAddsExtension_data();
    void saveAddsExtension();
    void jobPlace_data();
    void jobPlace();
    void savedPlace_data();
    void savedPlace();
    void recentJobs();
    void drop_data();
    void drop();
};

class TestCollaborators : public QObject {
    Q_OBJECT
private slots:
    void sessionSignals_data();
    void sessionSignals();
    void sessionKeepsSharedValues();
    void sessionUserInputs();
    void pageReadier_data();
    void pageReadier();
    void jobFilesOpen_data();
    void jobFilesOpen();
};

class TestUnits : public QObject {
    Q_OBJECT
    TempSettings settings_;
private slots:
    void init() { settings_.Clear(); }
    void viewItemBelowDocumentedItems();
    void switchingBackRestoresEveryText_data();
    void switchingBackRestoresEveryText();
    void captionsFitInSi();
    void captionsInSi_data();
    void captionsInSi();
    void noInchPoundUnitLeft_data();
    void noInchPoundUnitLeft();
    void designComparisonInSi();
    void shownComparisonFollowsUnits();
    void rangesInSi_data();
    void rangesInSi();
    void userTextsRestoredExactly_data();
    void userTextsRestoredExactly();
    void editedTextsConverted_data();
    void editedTextsConverted();
    void settingRemembered();
    void exitStoresInchPound_data();
    void exitStoresInchPound();
    void formulasSayInchPound();
    void matchingInSi_data();
    void matchingInSi();
    void placeDialogFollows();
    void jobsInSi_data();
    void jobsInSi();
    void copyInSi();
    void focusSelectsSiText_data();
    void focusSelectsSiText();
    void exportsInSi_data();
    void exportsInSi();
};
