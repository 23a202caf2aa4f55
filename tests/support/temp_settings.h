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
    QString File() const { return dir_.path() + "/" + vevi::SettingsStore::kApplication + ".conf"; }
    // Removes every stored value; each test starts from a first run.
    void Clear() {
        QSettings s = Store();
        s.clear();
        s.sync();
    }
    // Raw texts under a key, as another program or an edit by hand would leave them.
    void Set(vevi::SettingsStore::Key key, const QString& value) {
        QSettings s = Store();
        s.setValue(Path(key), value);
        s.sync();
    }
    QString Get(vevi::SettingsStore::Key key) { return Store().value(Path(key)).toString(); }
    // The same by the key's name, as table rows give it; an unknown name is a broken test.
    void Set(const QString& name, const QString& value) { Set(KeyNamed(name), value); }
    QString Get(const QString& name) { return Get(KeyNamed(name)); }
    static vevi::SettingsStore::Key KeyNamed(const QString& name) {
        using Key = vevi::SettingsStore::Key;
        for (Key key : {Key::Save, Key::Details, Key::Presentation, Key::Outdoor, Key::Elevation,
                        Key::State, Key::City})
            if (vevi::SettingsStore::KeyName(key) == name) return key;
        qFatal("no settings key %s", qPrintable(name));
    }
    static QSettings Store() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         vevi::SettingsStore::kApplication);
    }
    static QString Path(vevi::SettingsStore::Key key) {
        return QString(vevi::SettingsStore::kSection) + "/" + vevi::SettingsStore::KeyName(key);
    }

private:
    QTemporaryDir dir_;
};

// Counts the writes on the way to the real store.
class CountingStore : public vevi::SettingsStore {
public:
    QStringList written;  // key names, in the order written
    QStringList values;   // "key=value"

protected:
    void WriteText(Key key, const QString& text) override {
        written << KeyName(key);
        values << KeyName(key) + "=" + text;
        SettingsStore::WriteText(key, text);
    }
};
