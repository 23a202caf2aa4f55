// Points the settings store at a temporary folder for the whole test run.
#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include "settings_store.h"

class TempSettings {
public:
    TempSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    }
    QString Path() const { return dir_.path(); }
    QString File() const { return dir_.path() + "/RODOVID.conf"; }
    // Removes every stored value; each test starts from a first run.
    void Clear() {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "RODOVID");
        s.clear();
        s.sync();
    }
    void Set(const QString& key, const QString& value) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "RODOVID");
        s.setValue("Last/" + key, value);
        s.sync();
    }
    QString Get(const QString& key) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "RODOVID");
        return s.value("Last/" + key).toString();
    }

private:
    QTemporaryDir dir_;
};

// Counts the writes on the way to the real store.
class CountingStore : public vevi::SettingsStore {
public:
    QStringList written;
    void Write(const QString& key, const QString& value) override {
        written << key;
        SettingsStore::Write(key, value);
    }
};
