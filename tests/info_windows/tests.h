// The test classes of the formulas window and the About box.
#pragma once

#include <QObject>

class TestFormulasWindow : public QObject {
    Q_OBJECT
private slots:
    void windowAndButton();
    void writtenLabels();
    void formulaLines_data();
    void formulaLines();
    void fractionRuleSpansWiderText_data();
    void fractionRuleSpansWiderText();
    void longerTextPushesLine();
    void nothingOverlaps_data();
    void nothingOverlaps();
    void densityInGap();
    void showGraphics();
    void followsMainWindowOnActivation_data();
    void followsMainWindowOnActivation();
};

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void window();
    void controls_data();
    void controls();
    void descriptionOnTwoLines();
    void okHidesOneBox();
};
