// What the location dialog needs from the window that opens it.
#pragma once

#include <QString>

namespace vevi {

class LocationHost {
public:
    virtual ~LocationHost() = default;
    // The main window's elevation box (txtBaroPress) and outdoor temperature box.
    virtual void SetElevationText(const QString& text) = 0;
    virtual void SetOutdoorTempText(const QString& text) = 0;
    // The check mark of "Save Settings on Exit".
    virtual bool SaveSettingsChecked() const = 0;
    // The dialog has hidden itself: enable the main window, activate it and put the focus
    // on "Select a City".
    virtual void LocationDialogClosed() = 0;
};

}  // namespace vevi
