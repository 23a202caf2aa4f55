// The per-user settings: application "RODOVID", section "Last", values stored as texts.
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace vevi {

class SettingsStore {
public:
    SettingsStore();
    virtual ~SettingsStore();

    virtual QString Read(const QString& key, const QString& defaultValue) const;
    virtual void Write(const QString& key, const QString& value);
    // Pushes what was written to the store; false when it could not be written.
    virtual bool Flush();

    // "True" and "False" as written; a number is true unless zero; anything else the default.
    bool ReadFlag(const QString& key, bool defaultValue) const;
    void WriteFlag(const QString& key, bool value);

    static QString FlagText(bool value) { return value ? "True" : "False"; }

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace vevi
