#include "window_units.h"

#include <QAction>
#include <QMenu>
#include <cstdio>
#include <cstdlib>

#include "comparison_session.h"
#include "input_box.h"
#include "named_controls.h"
#include "number_text.h"
#include "settings_store.h"

namespace vevi {

WindowUnits::WindowUnits(ComparisonSession& session, const Boxes& boxes, SettingsStore& settings,
                         QObject* parent)
    : QObject(parent), session_(session), boxes_(boxes), settings_(settings) {
    setObjectName("windowUnits");
}

void WindowUnits::AddMenuItem(QMenu* view) {
    view->addSeparator();
    item_ = vevi::AddMenuItem(view, "mnuSIUnits", "&SI Units");
    item_->setCheckable(true);
    connect(item_, &QAction::triggered, this,
            [this](bool checked) { Switch(checked ? UnitSystem::SI : UnitSystem::US); });
}

// While a comparison is shown the limit boxes hold its actual values; the user's limits are
// the texts it was started with.
std::string WindowUnits::UserText(Field field) const {
    if (session_.Shown() && IsLimitField(field)) return session_.UserLimitText(field);
    return boxes_[static_cast<std::size_t>(field)]->text().toStdString();
}

// What the last switch carried into `text`, while the text is still what it made.
const WindowUnits::Carried* WindowUnits::Unedited(Field field, const std::string& text) const {
    const Carried& c = carried_[static_cast<std::size_t>(field)];
    return c.valid && c.afterUnits == units_ && c.after == text ? &c : nullptr;
}

std::string WindowUnits::Converted(Field field, const std::string& text, UnitSystem to) const {
    if (const Carried* c = Unedited(field, text)) return c->before;
    return ConvertedFieldText(field, text, units_, to);
}

void WindowUnits::Switch(UnitSystem units) {
    if (item_) item_->setChecked(units == UnitSystem::SI);
    if (units == units_) return;
    converting_ = true;
    for (InputBox* box : boxes_) {
        const Field field = box->GetField();
        const std::string before = UserText(field);
        const std::string after = Converted(field, before, units);
        box->SetUnits(units);
        std::string shown = after;
        if (session_.Shown() && IsLimitField(field)) {
            session_.SetUserLimitText(field, after);
        } else {
            box->PutText(QString::fromStdString(after));
            shown = box->text().toStdString();
        }
        carried_[static_cast<std::size_t>(field)] = {before, shown, units, true};
    }
    units_ = units;
    session_.SetUnits(units);
    settings_.SetUnits(units);
    converting_ = false;
    emit unitsChanged(units);
}

void WindowUnits::Put(Field field, const std::string& text, UnitSystem textUnits) {
    InputBox* box = boxes_[static_cast<std::size_t>(field)];
    box->PutText(QString::fromStdString(ConvertedFieldText(field, text, textUnits, units_)));
    Carried& c = carried_[static_cast<std::size_t>(field)];
    c = {text, box->text().toStdString(), units_, textUnits != units_};
}

ComparisonInputs WindowUnits::UserTexts(UnitSystem units) const {
    ComparisonInputs texts;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        const std::string text = UserText(field);
        texts.Text(field) = units == units_ ? text : Converted(field, text, units);
    }
    return texts;
}

ComparisonInputs WindowUnits::InchPoundInputs() const {
    ComparisonInputs texts;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        texts.Text(field) = UserText(field);
    }
    if (units_ == UnitSystem::US) return texts;
    ComparisonInputs inchPound;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        // Carried from inch-pound and not edited since: the user's own text.
        if (const Carried* c = Unedited(field, texts.FieldText(field))) {
            inchPound.Text(field) = c->before;
            continue;
        }
        // Twelve digits: -18 °C is -0.4 °F, not the -0.399999999999999 of the arithmetic.
        const double value = InchPoundNumber(field, texts.FieldText(field), units_);
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.12g", value);
        inchPound.Text(field) = PlainNumberText(std::strtod(digits, nullptr));
    }
    return inchPound;
}

}  // namespace vevi
