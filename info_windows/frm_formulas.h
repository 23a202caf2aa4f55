// The formulas window: the worked formulas of the running comparison, laid over the diagram.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "results.h"

class QFrame;
class QLabel;
class QPushButton;

namespace vevi {

// The objectName of a figure's label.
QString FigureName(Arrangement arrangement, FormulaSlot slot);

// A borderless panel of formula lines. The comparison writes its figures by slot; the window
// computes nothing. Each line is laid left to right, so a longer text pushes the rest of its
// line to the right.
class frmFormulas : public QWidget {
    Q_OBJECT
public:
    // mainWindow is only followed for position and brought back by "Show graphics"; it is not
    // the parent, so that this window stays a top-level window of its own.
    explicit frmFormulas(QWidget* mainWindow);

    // The label of one figure; nullptr for a figure the arrangement does not show.
    QLabel* Figure(Arrangement arrangement, FormulaSlot slot) const;
    // Sets a figure's text and lays its line out again.
    void SetFigure(Arrangement arrangement, FormulaSlot slot, const QString& text);

    // The main window's "Show formulae" button: activation puts "Show graphics" exactly over
    // it. Without one the window keeps its offsets from the main window's outer frame.
    void SetAnchor(QWidget* button);

    // A line saying the formulas are worked in inch-pound, for a window showing other units.
    void ShowInchPoundNote(bool shown);

    void cmdShowGraphics_Click();
    // Printing hides "Show graphics" for the time of the print.
    void ShowGraphicsButton(bool visible);

signals:
    // After "Show graphics" has hidden this window: the main window comes back.
    void graphicsShown();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One item of a formula line: a single text, or a fraction of two texts over each other.
    QLabel* inchPoundNote_ = nullptr;

    struct Item {
        QLabel* text = nullptr;
        QLabel* numerator = nullptr;
        QFrame* rule = nullptr;
        QLabel* denominator = nullptr;
    };
    struct Line {
        int numeratorTop = 0;    // pixels; the top of a line without fractions
        int denominatorTop = 0;  // pixels; equal to numeratorTop on a line without fractions
        std::vector<Item> items;
        QLabel* gapSymbol = nullptr;  // the "p" drawn into the gap of a numerator
        QLabel* gapHost = nullptr;
    };

    void BuildSection(int top, const QString& title, Arrangement arrangement);
    void AddAirflowLines(bool draw);
    void AddHeatLines(bool draw);
    // A figure's label is named after its slot in the section being built.
    QLabel* AddLabel(std::optional<FormulaSlot> slot, const QString& text);
    Item Text(std::optional<FormulaSlot> slot, const QString& text = QString());
    Item Fraction(std::optional<FormulaSlot> numeratorSlot, const QString& numeratorText,
                  std::optional<FormulaSlot> denominatorSlot, const QString& denominatorText);
    void AddLine(double numeratorTop, double denominatorTop, std::vector<Item> items);
    void LayoutLine(Line& line);
    void LayoutLines();
    void Form_Activate();

    QWidget* mainWindow_;
    QPointer<QWidget> anchor_;
    QPushButton* cmdShowGraphics_ = nullptr;
    std::vector<Line> lines_;
    Arrangement section_ = Arrangement::DrawThru;
    std::array<std::array<QLabel*, kFormulaSlotCount>, kArrangements.size()> figures_{};
};

}  // namespace vevi
