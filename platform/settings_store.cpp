#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <array>
#include <cmath>

#include "number_text.h"

namespace vevi {
namespace {

struct KeyRule {
    SettingsStore::Key key;
    const char* name;
    const char* absent;  // the value of a key that is not in the store
};

// clang-format off
constexpr std::array<KeyRule, 7> kKeys = {{
    {SettingsStore::Key::Save,         "Save",         "True"},
    {SettingsStore::Key::Details,      "Details",      "True"},
    {SettingsStore::Key::Presentation, "Presentation", "False"},
    {SettingsStore::Key::Outdoor,      "Outdoor",      "0"},
    {SettingsStore::Key::Elevation,    "Elevation",    "0"},
    {SettingsStore::Key::State,        "State",        "0"},
    {SettingsStore::Key::City,         "City",         "0"},
}};
// clang-format on

const KeyRule& Rule(SettingsStore::Key key) {
    return kKeys[static_cast<std::size_t>(key)];
}

QString Path(SettingsStore::Key key) {
    return QString(SettingsStore::kSection) + "/" + Rule(key).name;
}

// The file that QSettings keeps the store in. QSettings reads its file as soon as it is made,
// so the name is taken from a store of an unused name, which lies in the same folder.
QString StoreFile() {
    const QSettings neighbour(QSettings::NativeFormat, QSettings::UserScope,
                              QString(SettingsStore::kApplication) + " path probe");
    const QFileInfo file(neighbour.fileName());
    return file.dir().filePath(QString(SettingsStore::kApplication) + "." + file.suffix());
}

// The store is read from a regular file, or from nothing yet. Anything else (a named pipe, a
// socket, a device, a folder) is not opened at all: opening a pipe waits for a writer, and a
// device may never end. The program then runs on the defaults and writes nothing.
std::unique_ptr<QSettings> OpenStore() {
    const QFileInfo file(StoreFile());
    if (file.exists() && !file.isFile()) return nullptr;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       SettingsStore::kApplication);
}

}  // namespace

QString SettingsStore::KeyName(Key key) {
    return Rule(key).name;
}

SettingsStore::SettingsStore() : settings_(OpenStore()) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::ReadText(Key key) const {
    if (!settings_) return Rule(key).absent;
    const QVariant v = settings_->value(Path(key));
    if (!v.isValid()) return Rule(key).absent;
    // A value some other program wrote as a list or a number still reads as text.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',');
    return v.toString();
}

// "True" and "False" in any case; a whole-text finite number is true unless zero; anything
// else reads as the key's default.
bool SettingsStore::ReadFlag(Key key) const {
    const bool absent = QString(Rule(key).absent) == FlagText(true);
    const QString text = ReadText(key).trimmed();
    if (text.compare(FlagText(true), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(FlagText(false), Qt::CaseInsensitive) == 0) return false;
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (isNumber && std::isfinite(value)) return value != 0;
    return absent;
}

// A whole number written as decimal text ("3.5", "1e400" and "" are not).
std::optional<int> SettingsStore::ReadWholeNumber(Key key) const {
    bool ok = false;
    const int value = ReadText(key).trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

bool SettingsStore::SaveOnExit() const {
    return ReadFlag(Key::Save);
}
bool SettingsStore::DetailsView() const {
    return ReadFlag(Key::Details);
}
bool SettingsStore::PresentationView() const {
    return ReadFlag(Key::Presentation);
}
QString SettingsStore::OutdoorText() const {
    return ReadText(Key::Outdoor);
}
QString SettingsStore::ElevationText() const {
    return ReadText(Key::Elevation);
}
std::optional<int> SettingsStore::State() const {
    return ReadWholeNumber(Key::State);
}
std::optional<int> SettingsStore::City() const {
    return ReadWholeNumber(Key::City);
}

void SettingsStore::SetSaveOnExit(bool value) {
    WriteText(Key::Save, FlagText(value));
}
void SettingsStore::SetDetailsView(bool value) {
    WriteText(Key::Details, FlagText(value));
}
void SettingsStore::SetPresentationView(bool value) {
    WriteText(Key::Presentation, FlagText(value));
}
void SettingsStore::SetOutdoor(double value) {
    WriteText(Key::Outdoor, QString::fromStdString(PlainNumberText(value)));
}
void SettingsStore::SetElevation(double value) {
    WriteText(Key::Elevation, QString::fromStdString(PlainNumberText(value)));
}
void SettingsStore::SetState(int index) {
    WriteText(Key::State, QString::number(index));
}
void SettingsStore::SetCity(int index) {
    WriteText(Key::City, QString::number(index));
}

void SettingsStore::WriteText(Key key, const QString& text) {
    if (settings_) settings_->setValue(Path(key), text);
}

QStringList SettingsStore::RecentJobs() const {
    if (!settings_) return {};
    QStringList paths =
        settings_->value(QString(kJobsSection) + "/" + kRecentJobsKey).toStringList();
    paths.removeAll(QString());
    return paths;
}

void SettingsStore::SetRecentJobs(const QStringList& paths) {
    if (!settings_) return;
    settings_->setValue(QString(kJobsSection) + "/" + kRecentJobsKey, paths);
    settings_->sync();
}

UnitSystem SettingsStore::Units() const {
    if (!settings_) return UnitSystem::US;
    const QString key =
        settings_->value(QString(kUnitsSection) + "/" + kUnitsKey).toString().trimmed().toLower();
    return UnitSystemFromKey(key.toStdString()).value_or(UnitSystem::US);
}

void SettingsStore::SetUnits(UnitSystem system) {
    if (!settings_) return;
    settings_->setValue(QString(kUnitsSection) + "/" + kUnitsKey, UnitSystemKey(system));
    settings_->sync();
}

bool SettingsStore::Flush() {
    if (!settings_) return false;
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace vevi
