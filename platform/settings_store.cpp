#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
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

// The file that QSettings keeps the store in. QSettings reads its file as soon as it is made,
// so the name is taken from a store of an unused name, which lies in the same folder.
QString StoreFile() {
    const QSettings neighbour(QSettings::NativeFormat, QSettings::UserScope,
                              QString(kApplication) + " path probe");
    const QFileInfo file(neighbour.fileName());
    return file.dir().filePath(QString(kApplication) + "." + file.suffix());
}

// The store is read from a regular file, or from nothing yet. Anything else (a named pipe, a
// socket, a device, a folder) is not opened at all: opening a pipe waits for a writer, and a
// device may never end. The program then runs on the defaults and writes nothing.
std::unique_ptr<QSettings> OpenStore() {
    const QFileInfo file(StoreFile());
    if (file.exists() && !file.isFile()) return nullptr;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kApplication);
}

}  // namespace

SettingsStore::SettingsStore() : settings_(OpenStore()) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::Read(const QString& key, const QString& defaultValue) const {
    if (!settings_) return defaultValue;
    const QVariant v = settings_->value(Key(key));
    if (!v.isValid()) return defaultValue;
    // A value some other program wrote as a list or a number still reads as text.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',');
    return v.toString();
}

void SettingsStore::Write(const QString& key, const QString& value) {
    if (settings_) settings_->setValue(Key(key), value);
}

bool SettingsStore::Flush() {
    if (!settings_) return false;
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
