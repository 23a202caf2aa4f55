// The main window's labels, built from the layout's table: the fixed captions, the row
// captions of the limits grid, and the result values, which it writes from a report, clears
// on a stop, colours for print and names for screen readers. The labels a view shows are
// hidden at start; they are built by BuildAll, or by the first call that needs them.
#pragma once

#include <QObject>
#include <array>
#include <set>
#include <vector>

#include "main_layout.h"
#include "results.h"
#include "units.h"

class QLabel;
class QWidget;

namespace vevi {

class ResultLabels : public QObject {
    Q_OBJECT
public:
    explicit ResultLabels(QWidget* client);

    // Builds the labels not yet built, hidden, each in its place among the client's widgets.
    void BuildAll();
    // Null until BuildAll.
    QLabel* Value(Arrangement a, Quantity q) const;
    // Every value of the report in the labels' units, Draw Thru's first, each in the order a
    // start writes them.
    void Write(const ComparisonReport& report);
    // The unit captions, and the values written from now on, in `units`.
    void SetUnits(UnitSystem units);
    UnitSystem Units() const { return units_; }
    // The stop: values zeroed or emptied and hidden, the fan temperatures emptied, the
    // captions that a view shows hidden. Air load and net keep their texts.
    void Clear();
    void ShowGroup(layout::Group group, bool visible);
    // "Actual …" while a comparison is shown, "Max. …" otherwise.
    void ShowActualRowCaptions(bool actual);
    // The values in their own colours, or all in the window-text colour (black and white print).
    void UseOwnColours(bool own);

private:
    void Build(std::size_t label);
    // The order of the table among the client's widgets, in which they are painted and read out.
    void KeepTableOrder(std::size_t label);
    // The caption's text and place in the labels' units, and the value's name.
    void ApplyUnits(std::size_t label);
    // "Draw Thru inlet airflow 8,070 cfm": what the value is, said with the text it shows.
    void Name(Arrangement a, Quantity q, const std::string& text);
    // Whether the small captions of `group` stand where they belong; those of a group a view
    // shows are placed when it is first shown.
    bool IsPlaced(layout::Group group) const;
    void PlaceSubscript(std::size_t label);

    QWidget* client_;
    std::vector<QLabel*> labels_;         // in the order of the layout's table; null: not built
    std::vector<std::size_t> captionOf_;  // for a small caption, the caption it stands after
    std::array<std::array<QLabel*, kQuantityCount>, kArrangements.size()> values_{};
    QLabel* dischargeRowCaption_ = nullptr;
    QLabel* riseRowCaption_ = nullptr;
    std::set<layout::Group> placed_;
    bool allBuilt_ = false;
    bool actualRowCaptions_ = false;
    UnitSystem units_ = UnitSystem::US;
};

// A caption of the documents with each inch-pound unit in it named as the system names it.
QString CaptionIn(const char* caption, UnitSystem units);

}  // namespace vevi
