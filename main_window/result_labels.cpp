#include "result_labels.h"

#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

#include "accessibility.h"
#include "fonts.h"
#include "shown_figures.h"
#include "twips.h"

namespace vevi {
namespace {

using layout::Group;

constexpr auto kActualDischarge = "Actual Discharge Temperature (\u00B0F)";
constexpr auto kActualRise = "Actual Temperature Rise (\u00B0F)";
constexpr auto kMaxDischarge = "Max. Discharge Temperature (\u00B0F)";
constexpr auto kMaxRise = "Max. Temperature Rise (\u00B0F)";

// The inch-pound unit names in the captions, and the measure each stands for.
constexpr std::pair<const char*, Measure> kCaptionUnits[] = {
    {"cfm", Measure::Airflow},
    {"MBH", Measure::HeatRate},
    {"\u00B0F", Measure::Temperature},
    {"Ft.", Measure::Length},
};

// A small caption stands this far right of its unit and below its caption's baseline (pixels).
constexpr int kSubscriptGap = 2;
constexpr int kSubscriptDrop = 3;

// The values a stop zeroes, and those it empties; air load and net keep their texts.
constexpr Quantity kZeroedOnStop[] = {Quantity::InletCFM, Quantity::DisCFM, Quantity::SpaceCFM,
                                      Quantity::BTUOut, Quantity::BTUIn};
constexpr Quantity kEmptiedOnStop[] = {Quantity::InletTemp, Quantity::DisTemp, Quantity::SpaceTemp};

// A caption whose run of blanks before character `gapEnd` is drawn wider, so that a small
// caption fits in it; its text stays as written.
class CaptionLabel : public QLabel {
public:
    using QLabel::QLabel;
    void WidenGap(qsizetype gapEnd, int extra) {
        gapEnd_ = gapEnd;
        extra_ = extra;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (extra_ <= 0) return QLabel::paintEvent(event);
        QPainter painter(this);
        const QRect r = contentsRect();
        const QString head = text().left(gapEnd_);
        const int flags = int(alignment());
        style()->drawItemText(&painter, r, flags, palette(), isEnabled(), head, foregroundRole());
        const int shift = fontMetrics().horizontalAdvance(head) + extra_;
        style()->drawItemText(&painter, r.adjusted(shift, 0, 0, 0), flags, palette(), isEnabled(),
                              text().mid(gapEnd_), foregroundRole());
    }

private:
    qsizetype gapEnd_ = 0;
    int extra_ = 0;
};

QFont FontFor(layout::Style style) {
    switch (style) {
        case layout::Style::Small:
            return MakeFont(FontFace::Arial, 6);
        case layout::Style::Heading:
            return MakeFont(FontFace::Arial, 9.75, true, false, true);
        default:
            return MakeFont(FontFace::Arial, 9.75, true);
    }
}

// Invalid: the window-text colour.
void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText,
               colour.isValid() ? colour : label->window()->palette().color(QPalette::WindowText));
    label->setPalette(p);
}

// Lowered right after `after` of its caption, so that it reads as a subscript of the unit.
// Where the caption's run of blanks is too short for it in the fonts at hand, the blanks are
// widened, so that the text goes on clear of it.
void PlaceSubscriptOf(QLabel* small, CaptionLabel* caption, const QString& prefix) {
    caption->WidenGap(0, 0);
    const QFontMetrics fm(caption->font());
    int x = caption->x() + fm.horizontalAdvance(prefix);
    if (caption->alignment() & Qt::AlignRight)
        x += caption->width() - fm.horizontalAdvance(caption->text());
    small->adjustSize();
    small->move(x + kSubscriptGap,
                caption->y() + fm.ascent() - QFontMetrics(small->font()).ascent() + kSubscriptDrop);
    if (caption->alignment() & Qt::AlignRight) return;
    const QString text = caption->text();
    qsizetype gapEnd = prefix.size();
    while (gapEnd < text.size() && text[gapEnd] == ' ') ++gapEnd;
    if (gapEnd == prefix.size() || gapEnd == text.size()) return;
    const int overlap = small->geometry().right() + 1 + kSubscriptGap -
                        (caption->x() + fm.horizontalAdvance(text.left(gapEnd)));
    if (overlap > 0) caption->WidenGap(gapEnd, overlap);
}

bool ShownByView(Group g) {
    return g == Group::Common || g == Group::Detail || g == Group::Net;
}

}  // namespace

ResultLabels::ResultLabels(QWidget* client)
    : QObject(client), client_(client), labels_(layout::Labels().size()) {
    const auto& specs = layout::Labels();
    for (std::size_t i = 0; i < specs.size(); ++i) {
        captionOf_.push_back(specs[i].after ? i - 1 : i);
        // The first picture shows none of the labels a view shows; they wait for BuildAll.
        if (!ShownByView(specs[i].group)) Build(i);
    }
}

void ResultLabels::BuildAll() {
    if (allBuilt_) return;
    allBuilt_ = true;
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (!labels_[i]) Build(i);
}

void ResultLabels::Build(std::size_t i) {
    const layout::LabelSpec& s = layout::Labels()[i];
    auto* label = new CaptionLabel(QString::fromUtf8(s.text), client_);
    label->setObjectName(s.name);
    label->setFont(FontFor(s.style));
    label->setGeometry(TwipsRect(s.left, s.top, s.width, s.height));
    label->setAlignment((s.align == layout::Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignTop);
    SetTextColour(label, s.color);
    label->setVisible(!ShownByView(s.group));
    labels_[i] = label;
    if (s.value) {
        const auto a = static_cast<std::size_t>(s.value->arrangement);
        values_[a][static_cast<std::size_t>(s.value->quantity)] = label;
        Name(s.value->arrangement, s.value->quantity, s.text);
    }
    if (s.group == Group::DischargeRow) dischargeRowCaption_ = label;
    if (s.group == Group::RiseRow) riseRowCaption_ = label;
    if (units_ != UnitSystem::US) ApplyUnits(i);
    // Placing measures text; for the groups a view shows, that waits for their first show,
    // so that nothing is shaped before it is drawn.
    if (s.after && IsPlaced(s.group)) PlaceSubscript(i);
    KeepTableOrder(i);
    // Built after the window described its controls.
    if (allBuilt_) DescribeNamedControls(label);
}

// The labels built at start stand together; one built later goes under the next label built,
// or, after the last, under the widget that follows the labels.
void ResultLabels::KeepTableOrder(std::size_t i) {
    for (std::size_t next = i + 1; next < labels_.size(); ++next)
        if (labels_[next]) return labels_[i]->stackUnder(labels_[next]);
    for (std::size_t before = i; before-- > 0;) {
        if (!labels_[before]) continue;
        const QObjectList& children = client_->children();
        for (qsizetype k = children.indexOf(labels_[before]) + 1; k < children.size(); ++k)
            if (children[k]->isWidgetType())
                return labels_[i]->stackUnder(static_cast<QWidget*>(children[k]));
        return;
    }
}

QLabel* ResultLabels::Value(Arrangement a, Quantity q) const {
    return values_[static_cast<std::size_t>(a)][static_cast<std::size_t>(q)];
}

QString CaptionIn(const char* caption, UnitSystem units) {
    QString text = QString::fromUtf8(caption);
    if (units == UnitSystem::US) return text;
    for (const auto& [us, measure] : kCaptionUnits) {
        // Whole words only: "MBH to heat cfm" has two units, "Inlet" none.
        const QString word = QRegularExpression::escape(QString::fromUtf8(us));
        text.replace(QRegularExpression("(?<![A-Za-z])" + word + "(?![A-Za-z])"),
                     QString::fromUtf8(Symbol(measure, units)));
    }
    return text;
}

void ResultLabels::SetUnits(UnitSystem units) {
    units_ = units;
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (labels_[i]) ApplyUnits(i);
    const auto& specs = layout::Labels();
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (labels_[i] && specs[i].after && IsPlaced(specs[i].group)) PlaceSubscript(i);
    ShowActualRowCaptions(actualRowCaptions_);
}

void ResultLabels::ApplyUnits(std::size_t i) {
    const layout::LabelSpec& s = layout::Labels()[i];
    if (s.value) Name(s.value->arrangement, s.value->quantity, labels_[i]->text().toStdString());
    if (s.value || s.group == Group::DischargeRow || s.group == Group::RiseRow ||
        s.group == Group::FanTemp)
        return;
    labels_[i]->setText(CaptionIn(s.text, units_));
    if (s.siLeft > 0)
        labels_[i]->setGeometry(units_ == UnitSystem::SI
                                    ? TwipsRect(s.siLeft, s.top, s.siWidth, s.height)
                                    : TwipsRect(s.left, s.top, s.width, s.height));
}

bool ResultLabels::IsPlaced(Group group) const {
    return !ShownByView(group) || placed_.contains(group);
}

void ResultLabels::PlaceSubscript(std::size_t i) {
    PlaceSubscriptOf(labels_[i], static_cast<CaptionLabel*>(labels_[captionOf_[i]]),
                     CaptionIn(layout::Labels()[i].after, units_));
}

void ResultLabels::Write(const ComparisonReport& report) {
    BuildAll();
    const ShownFigures figures = FiguresIn(report, units_);
    for (Arrangement a : kArrangements) {
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            const std::string& text = figures.Value(a, Quantity(i)).text;
            Value(a, Quantity(i))->setText(QString::fromStdString(text));
            Name(a, Quantity(i), text);
        }
    }
}

void ResultLabels::Clear() {
    BuildAll();
    for (Arrangement a : kArrangements) {
        for (Quantity q : kZeroedOnStop) {
            Value(a, q)->setText("0");
            Name(a, q, "0");
        }
        for (Quantity q : kEmptiedOnStop) {
            Value(a, q)->clear();
            Name(a, q, "");
        }
    }
    const auto& specs = layout::Labels();
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (specs[i].group == Group::FanTemp) labels_[i]->clear();
    for (const auto& row : values_)
        for (QLabel* value : row) value->hide();
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (ShownByView(specs[i].group) && !specs[i].value) labels_[i]->hide();
}

void ResultLabels::ShowGroup(Group group, bool visible) {
    BuildAll();
    const auto& specs = layout::Labels();
    const bool place = visible && !IsPlaced(group);
    if (place) placed_.insert(group);
    for (std::size_t i = 0; i < specs.size(); ++i) {
        if (specs[i].group != group) continue;
        if (place && specs[i].after) PlaceSubscript(i);
        labels_[i]->setVisible(visible);
    }
}

void ResultLabels::ShowActualRowCaptions(bool actual) {
    actualRowCaptions_ = actual;
    dischargeRowCaption_->setText(CaptionIn(actual ? kActualDischarge : kMaxDischarge, units_));
    riseRowCaption_->setText(CaptionIn(actual ? kActualRise : kMaxRise, units_));
}

void ResultLabels::UseOwnColours(bool own) {
    BuildAll();
    const auto& specs = layout::Labels();
    for (Arrangement a : kArrangements)
        for (std::size_t i = 0; i < specs.size(); ++i)
            if (specs[i].color.isValid() && specs[i].value && specs[i].value->arrangement == a)
                SetTextColour(labels_[i], own ? specs[i].color : QColor());
}

// The bridge reads a label's accessible name in place of its text, so the name carries the
// text too and is written whenever the text is. The temperatures carry their unit in their
// text.
void ResultLabels::Name(Arrangement a, Quantity q, const std::string& text) {
    const QuantityInfo& info = Describe(q);
    const QString shown = QString::fromStdString(text).simplified();
    const QString unit = QString::fromUtf8(Symbol(MeasureOf(info.unit), units_));
    QString name;
    if (!shown.isEmpty()) {
        name = QString::fromUtf8(ArrangementName(a)) + ' ' + QString::fromUtf8(info.description) +
               ' ' + shown;
        if (!shown.endsWith(unit)) name += ' ' + unit;
    }
    Value(a, q)->setAccessibleName(name);
}

}  // namespace vevi
