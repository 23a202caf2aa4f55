// The per-user settings: application "RODOVID", section "Last" (and "Jobs" for the recent
// job files). Every key, its default and its reading rule live here; the windows and the
// tests use the typed getters and setters.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "units.h"

class QSettings;

namespace vevi {

class SettingsStore {
public:
    enum class Key { Save, Details, Presentation, Outdoor, Elevation, State, City };

    static constexpr const char* kApplication = "RODOVID";
    static constexpr const char* kSection = "Last";
    static QString KeyName(Key key);
    // The flag texts as they are written.
    static QString FlagText(bool value) { return value ? "True" : "False"; }

    SettingsStore();
    virtual ~SettingsStore();

    bool SaveOnExit() const;        // "Save Settings on Exit"
    bool DetailsView() const;       // the View menu's "Details"
    bool PresentationView() const;  // the View menu's "Presentation"
    QString OutdoorText() const;    // the texts the boxes get back
    QString ElevationText() const;
    // The place last picked in the location dialog; nothing when the stored text is not a
    // whole number.
    std::optional<int> State() const;
    std::optional<int> City() const;

    void SetSaveOnExit(bool value);
    void SetDetailsView(bool value);
    void SetPresentationView(bool value);
    // Written as plain number texts.
    void SetOutdoor(double value);
    void SetElevation(double value);
    void SetState(int index);
    void SetCity(int index);

    // The job files last opened or saved, most recent first, in a section of their own
    // ("Jobs", key "Recent"). Written to the store at once, not at exit.
    static constexpr const char* kJobsSection = "Jobs";
    static constexpr const char* kRecentJobsKey = "Recent";
    QStringList RecentJobs() const;
    void SetRecentJobs(const QStringList& paths);

    // The units the window shows, in a section of their own ("Units", key "System": "us" or
    // "si"); inch-pound when absent or unknown. Written to the store at once.
    static constexpr const char* kUnitsSection = "Units";
    static constexpr const char* kUnitsKey = "System";
    UnitSystem Units() const;
    void SetUnits(UnitSystem system);

    // Pushes what was written to the store; false when it could not be written.
    bool Flush();

protected:
    // Every write comes through here, so tests can count them.
    virtual void WriteText(Key key, const QString& text);

private:
    QString ReadText(Key key) const;
    bool ReadFlag(Key key) const;
    std::optional<int> ReadWholeNumber(Key key) const;

    std::unique_ptr<QSettings> settings_;
};

}  // namespace vevi
