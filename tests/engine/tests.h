// The engine's test classes.
#pragma once

#include <QObject>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberExtremes();
    void plainAndSignedText_data();
    void plainAndSignedText();
    void formatNumber_data();
    void formatNumber();
    void round0_data();
    void round0();
};

class TestFormulas : public QObject {
    Q_OBJECT
private slots:
    void baroPressure_data();
    void baroPressure();
    void checkedBaroPressure_data();
    void checkedBaroPressure();
    void densityOutputAndCfm();
    void riseAndDischarge_data();
    void riseAndDischarge();
};

class TestComparison : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void elevation5000();
    void edgeCases_data();
    void edgeCases();
    void fanCapacityNotPlain();
    void failureLeavesSharedValues_data();
    void failureLeavesSharedValues();
    void labelTextsDefaults();
    void labelTextsOrder();
};

class TestMatching : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void capacities_data();
    void capacities();
    void zeroDivisor_data();
    void zeroDivisor();
};

class TestReportText : public QObject {
    Q_OBJECT
private slots:
    void csvField_data();
    void csvField();
    void alignedTable_data();
    void alignedTable();
    void copiedCells_data();
    void copiedCells();
    void designReportInSi_data();
    void designReportInSi();
    void noInchPoundUnitInSi_data();
    void noInchPoundUnitInSi();
};

class TestUnits : public QObject {
    Q_OBJECT
private slots:
    void conversions_data();
    void conversions();
    void fieldRanges_data();
    void fieldRanges();
    void fieldTexts_data();
    void fieldTexts();
    void designInputsInSi();
    void designFiguresInSi();
    void roundTrip_data();
    void roundTrip();
    void systemKeys_data();
    void systemKeys();
    void reportedInputTexts_data();
    void reportedInputTexts();
    void matchedTextsInSi_data();
    void matchedTextsInSi();
    void convertedTexts_data();
    void convertedTexts();
};
