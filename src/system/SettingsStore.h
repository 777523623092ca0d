#pragma once
// The owner of the settings and of the logon-start options: it loads the settings file and the
// Run value, keeps them with the power rules' last-fired stamps, and carries out every change
// the operator makes. Each change is saved at once (the settings through the data-file
// protocol, the options to the Run value) after the views have been told.
#include <string>
#include <string_view>

#include "data/DataFile.h"
#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "data/ListChange.h"
#include "system/Autostart.h"
#include "system/Registry.h"
#include "system/SettingsEdits.h"
#include "system/SettingsRecord.h"
#include "system/ShutdownRules.h"

class SettingsStore {
public:
    // `programPath` is the program's own path, which the Run value names.
    SettingsStore(DataFolder folder, std::u16string path, Registry& registry, std::u16string programPath);
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const SettingsRecord& settings() const { return settings_; }
    const AutostartOptions& autostart() const { return autostart_; }
    // The power rules' check moves them as rules fire.
    PowerRuleStamps& stamps() { return stamps_; }
    bool& readFailed() { return readFailed_; }

    // A settings change is told as a whole list replaced.
    void addObserver(ListObserver& observer) { observers_.add(observer); }
    void removeObserver(ListObserver& observer) { observers_.remove(observer); }

    // The start-up read of the settings file, then of the Run value; failures go to `owner`.
    ReadResult load(Prompt& owner);

    // Ticking a rule on also lets it fire again today.
    SaveResult setPowerRuleOn(PowerRule rule, bool on, Prompt& prompt);
    SaveResult setPowerRuleChoice(PowerRule rule, const PowerRuleChoice& choice, Prompt& prompt);
    // Off takes both sub-options with it. False when the Run value could not be written.
    bool setAutostartOn(bool on, Prompt& prompt);
    bool setAutostartOptions(bool hidden, bool lock, Prompt& prompt);
    // Each returns whether the value changed; an unchanged value writes nothing.
    bool setOutputDevice(std::u16string_view device, Prompt& prompt);
    bool setDuck(const DuckChoice& choice, Prompt& prompt);

private:
    SaveResult saveSettingsFile(Prompt& prompt);
    bool saveRunValue(Prompt& prompt);

    DataFolder folder_;
    std::u16string path_;
    Registry& registry_;
    std::u16string programPath_;
    bool readFailed_ = false;
    SettingsRecord settings_ = defaultSettings();
    AutostartOptions autostart_;  // read from the Run value, never from a file
    PowerRuleStamps stamps_ = neverFiredStamps();
    ListObservers observers_;
};
