#pragma once
// The owner of the web console's settings: it loads "网页t", keeps the record and carries out
// every change, each saved at once through the data-file protocol after the views have been
// told. The console is switched on only once it has a password.
#include <string>
#include <string_view>

#include "data/DataFile.h"
#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "data/ListChange.h"
#include "data/Prompt.h"
#include "web/PasswordHash.h"
#include "web/PasswordKdf.h"
#include "web/WebSettingsRecord.h"

inline constexpr std::u16string_view passwordFirstMessage = u"请先设置网页控制台密码（至少8个字符）";

struct WebSettingsResult {
    bool ok = false;
    bool saved = false;    // false also when nothing changed
    bool refused = false;  // the value itself was refused and nothing written
    std::u16string message;  // why not: the refusal in the operator's words, or the failed save's text
};

class WebSettingsStore {
public:
    WebSettingsStore(DataFolder folder, std::u16string path, PasswordKdf& kdf, RandomBytes& random);
    WebSettingsStore(const WebSettingsStore&) = delete;
    WebSettingsStore& operator=(const WebSettingsStore&) = delete;

    const WebSettingsRecord& settings() const { return settings_; }
    bool& readFailed() { return readFailed_; }

    // Any change is told as a whole list replaced.
    void addObserver(ListObserver& observer) { observers_.add(observer); }
    void removeObserver(ListObserver& observer) { observers_.remove(observer); }

    // The start-up read; its failures go to `owner`.
    ReadResult load(Prompt* owner);

    // On needs a password. Off also ends every session.
    WebSettingsResult setOn(bool on, Prompt& prompt);
    WebSettingsResult setPort(int port, Prompt& prompt);
    // 8 to 128 characters; a new salt, and every session ends.
    WebSettingsResult setPassword(std::u16string_view password, Prompt& prompt);

    // False without a password. A verdict made against the hash still in force is taken as it
    // is; otherwise (none, or the password changed meanwhile) the password is derived here.
    bool passwordMatches(std::string_view passwordUtf8, const PasswordVerdict* ahead = nullptr) const;

private:
    WebSettingsResult changed(Prompt& prompt);

    DataFolder folder_;
    std::u16string path_;
    PasswordKdf& kdf_;
    RandomBytes& random_;
    bool readFailed_ = false;
    WebSettingsRecord settings_ = defaultWebSettings();
    ListObservers observers_;
};
