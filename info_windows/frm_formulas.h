// The formulas window: the worked formulas of the running comparison, laid over the diagram.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace vevi {

// A borderless panel of formula lines. The comparison writes its labels by name; the window
// computes nothing. Each line is laid left to right, so a longer text pushes the rest of its
// line to the right.
class frmFormulas : public QWidget {
    Q_OBJECT
public:
    // mainWindow is only followed for position and brought back by "Show graphics"; it is not
    // the parent, so that this window stays a top-level window of its own.
    explicit frmFormulas(QWidget* mainWindow);

    // The label with this objectName, or nullptr.
    QLabel* Label(const QString& name) const;
    // Sets a label's text and lays its line out again. Unknown names are ignored.
    void SetLabelText(const QString& name, const QString& text);

    // The main window's "Show formulae" button: activation puts "Show graphics" exactly over
    // it. Without one the window keeps its offsets from the main window's outer frame.
    void SetAnchor(QWidget* button);

    void cmdShowGraphics_Click();

signals:
    // After "Show graphics" has brought the main window back.
    void graphicsShown();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One item of a formula line: a single text, or a fraction of two texts over each other.
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

    void BuildSection(int top, const QString& title, const QString& arrangement);
    QLabel* AddLabel(const QString& name, const QString& text);
    Item Text(const QString& name, const QString& text = QString());
    Item Fraction(const QString& numeratorName, const QString& numeratorText,
                  const QString& denominatorName, const QString& denominatorText);
    void AddLine(double numeratorTop, double denominatorTop, std::vector<Item> items);
    void LayoutLine(Line& line);
    void LayoutLines();
    void Form_Activate();

    QWidget* mainWindow_;
    QPointer<QWidget> anchor_;
    QPushButton* cmdShowGraphics_ = nullptr;
    std::vector<Line> lines_;
};

}  // namespace vevi
