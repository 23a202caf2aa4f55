// The units the main window speaks: View's "SI Units" item, the remembered choice, and the
// texts of the nine boxes carried from one system to the other. A text the user has not edited
// since a switch goes back exactly as it was, so switching to and fro never drifts by rounding.
#pragma once

#include <QObject>
#include <array>
#include <string>

#include "fields.h"
#include "units.h"

class QAction;
class QMenu;

namespace vevi {

class ComparisonSession;
class InputBox;
class SettingsStore;

class WindowUnits : public QObject {
    Q_OBJECT
public:
    using Boxes = std::array<InputBox*, kFieldCount>;
    WindowUnits(ComparisonSession& session, const Boxes& boxes, SettingsStore& settings,
                QObject* parent);

    // A separator and the check item "&SI Units" below the documented items.
    void AddMenuItem(QMenu* view);
    UnitSystem Units() const { return units_; }
    // The boxes, and the limits a shown comparison was started with, in `units`; the choice
    // is remembered. Then unitsChanged.
    void Switch(UnitSystem units);
    // True while the boxes are being rewritten by a switch: those changes are no edits.
    bool Converting() const { return converting_; }
    // A text in `textUnits` put into the field's box in the window's units (a job's text). As
    // after a switch, the user's own text comes back if the other units are chosen again.
    void Put(Field field, const std::string& text, UnitSystem textUnits);
    // The nine texts as the comparison takes them, in inch-pound: the user's own where a box
    // still holds what a switch made of it, so that a comparison of unedited texts is the
    // inch-pound one exactly; an edited text converted at full precision.
    ComparisonInputs InchPoundInputs() const;
    // The user's texts as the boxes would show them in `units`: a text not edited since a
    // switch from `units` is the user's own again.
    ComparisonInputs UserTexts(UnitSystem units) const;

signals:
    void unitsChanged(UnitSystem units);

private:
    // What the last switch made of a field's text, to undo it exactly.
    struct Carried {
        std::string before, after;
        UnitSystem afterUnits = UnitSystem::US;
        bool valid = false;
    };
    std::string UserText(Field field) const;
    std::string Converted(Field field, const std::string& text, UnitSystem to) const;
    const Carried* Unedited(Field field, const std::string& text) const;

    ComparisonSession& session_;
    Boxes boxes_;
    SettingsStore& settings_;
    QAction* item_ = nullptr;
    UnitSystem units_ = UnitSystem::US;
    std::array<Carried, kFieldCount> carried_{};
    bool converting_ = false;
};

}  // namespace vevi
