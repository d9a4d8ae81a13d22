#pragma once

#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"

/// The window's top and left edge in twips, single precision as the store keeps them.
struct WindowPosition {
    static constexpr float kDefaultTop = 2000.0f;
    static constexpr float kDefaultLeft = 1000.0f;

    float top = kDefaultTop;
    float left = kDefaultLeft;
};

/// The settings that last from one Exit to the next start: the start, Reset and Exit commands
/// between the model and the settings store. A stored value that is missing or does not fit its
/// control loads that key's default, so the model is always completely loaded.
class LastExitSettings {
public:
    LastExitSettings(SettingsModel& model, SettingsStore& store);

    /// The window's load: reads the stored window position, runs Reset and refreshes the mirrors
    /// (SmallestMark, Check(n)). Returns where to place the window.
    WindowPosition start();
    /// The Reset button: every stored setting into the model in the store's order, then
    /// "Settings reset to last exit values". Leaves "Scale on Top" and the window alone. A store
    /// that cannot be used loads every default and says why in the error colour.
    void reset();
    /// The Exit button: writes every setting and the window position. True with "Settings saved";
    /// false with the reason in the status line in the error colour: the window should then stay
    /// open so the user sees that nothing was kept.
    bool exit(const WindowPosition& position);

    static QString resetMessage();
    static QString savedMessage();

private:
    void resetFromStore(bool usable, const QString& problem);
    float readEdge(const QString& key, float fallback) const;

    SettingsModel& m_model;
    SettingsStore& m_store;
};
