#include "system/SettingsStore.h"

#include <utility>

#include "data/Text.h"
#include "system/AutostartStore.h"
#include "system/SettingsFile.h"

SettingsStore::SettingsStore(DataFolder folder, std::u16string path, Registry& registry, std::u16string programPath)
    : folder_(std::move(folder)), path_(std::move(path)), registry_(registry), programPath_(std::move(programPath)) {}

ReadResult SettingsStore::load(Prompt& owner) {
    const ReadResult result = loadSettings({folder_, path_, &owner, &readFailed_}, settings_);
    loadAutostartFrom(registry_, autostart_, programPath_, owner);
    observers_.notify(ListChange{});
    return result;
}

SaveResult SettingsStore::setPowerRuleOn(PowerRule rule, bool on, Prompt& prompt) {
    ::setPowerRuleOn(settings_, stamps_, rule, on);
    observers_.notify(ListChange{});
    return saveSettingsFile(prompt);
}

SaveResult SettingsStore::setPowerRuleChoice(PowerRule rule, const PowerRuleChoice& choice, Prompt& prompt) {
    storePowerRuleChoice(settings_, stamps_, rule, choice);
    observers_.notify(ListChange{});
    return saveSettingsFile(prompt);
}

bool SettingsStore::setAutostartOn(bool on, Prompt& prompt) {
    ::setAutostartOn(autostart_, on);
    observers_.notify(ListChange{});
    return saveRunValue(prompt);
}

bool SettingsStore::setAutostartOptions(bool hidden, bool lock, Prompt& prompt) {
    autostart_.autostartHidden = hidden ? 1 : 0;
    autostart_.autostartLock = lock ? 1 : 0;
    observers_.notify(ListChange{});
    return saveRunValue(prompt);
}

bool SettingsStore::setOutputDevice(std::u16string_view device, Prompt& prompt) {
    if (device == fixedView(settings_.outputDevice)) return false;
    setFixed(settings_.outputDevice, device);
    observers_.notify(ListChange{});
    saveSettingsFile(prompt);
    return true;
}

bool SettingsStore::setDuck(const DuckChoice& choice, Prompt& prompt) {
    if (!storeDuckChoice(settings_, choice)) return false;
    observers_.notify(ListChange{});
    saveSettingsFile(prompt);
    return true;
}

SaveResult SettingsStore::saveSettingsFile(Prompt& prompt) {
    return saveSettings({folder_, path_, &prompt, &readFailed_}, settings_);
}

bool SettingsStore::saveRunValue(Prompt& prompt) {
    return saveAutostartTo(registry_, autostart_, programPath_, prompt);
}
