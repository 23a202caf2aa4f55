#include "settings_store.h"

#include <QSettings>
#include <cmath>
#include <memory>
#include <string>

#include "number_text.h"

namespace vevi {
namespace {

constexpr auto kApplication = "RODOVID";
constexpr auto kSection = "Last";

QString Key(const QString& key) {
    return QString(kSection) + "/" + key;
}

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kApplication)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::Read(const QString& key, const QString& defaultValue) const {
    const QVariant v = settings_->value(Key(key));
    if (!v.isValid()) return defaultValue;
    // A value some other program wrote as a list or a number still reads as text.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',');
    return v.toString();
}

void SettingsStore::Write(const QString& key, const QString& value) {
    settings_->setValue(Key(key), value);
}

bool SettingsStore::Flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool SettingsStore::ReadFlag(const QString& key, bool defaultValue) const {
    const QString text = Read(key, FlagText(defaultValue)).trimmed();
    if (text.compare("True", Qt::CaseInsensitive) == 0) return true;
    if (text.compare("False", Qt::CaseInsensitive) == 0) return false;
    // A number counts when the whole text is one; anything else reads as the default.
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (isNumber && std::isfinite(value)) return value != 0;
    return defaultValue;
}

void SettingsStore::WriteFlag(const QString& key, bool value) {
    Write(key, FlagText(value));
}

}  // namespace vevi
