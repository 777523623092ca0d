#include "web/WebSettingsStore.h"

#include <utility>

#include "data/Text.h"
#include "web/PasswordHash.h"
#include "web/WebSettingsFile.h"

WebSettingsStore::WebSettingsStore(DataFolder folder, std::u16string path, PasswordKdf& kdf, RandomBytes& random)
    : folder_(std::move(folder)), path_(std::move(path)), kdf_(kdf), random_(random) {}

ReadResult WebSettingsStore::load(Prompt* owner) {
    const ReadResult result = loadWebSettings({folder_, path_, owner, &readFailed_}, settings_);
    observers_.notify(ListChange{});
    return result;
}

WebSettingsResult WebSettingsStore::setOn(bool on, Prompt& prompt) {
    if (on && settings_.passwordSet == 0) return {false, false, true, std::u16string(passwordFirstMessage)};
    if ((settings_.on != 0) == on) return {true, false, false, {}};
    settings_.on = on ? 1 : 0;
    // A session of before the switch-off must not come back with the next switch-on.
    if (!on) ++settings_.sessionGeneration;
    return changed(prompt);
}

WebSettingsResult WebSettingsStore::setPort(int port, Prompt& prompt) {
    if (port < 1 || port > 65535) return {false, false, true, u"端口须在1到65535之间"};
    if (settings_.port == port) return {true, false, false, {}};
    settings_.port = port;
    return changed(prompt);
}

WebSettingsResult WebSettingsStore::setPassword(std::u16string_view password, Prompt& prompt) {
    std::u16string refusal = passwordRuleMessage(password);
    if (!refusal.empty()) return {false, false, true, std::move(refusal)};
    const auto hash = hashPassword(toUtf8(password), kdf_, random_);
    if (!hash) return {false, false, false, u"无法生成随机数，密码未设置"};
    settings_.password = *hash;
    settings_.passwordSet = 1;
    ++settings_.sessionGeneration;
    return changed(prompt);
}

bool WebSettingsStore::passwordMatches(std::string_view passwordUtf8, const PasswordVerdict* ahead) const {
    if (settings_.passwordSet == 0) return false;
    if (ahead != nullptr && sameHash(ahead->against, settings_.password)) return ahead->matches;
    return ::passwordMatches(settings_.password, passwordUtf8, kdf_);
}

WebSettingsResult WebSettingsStore::changed(Prompt& prompt) {
    observers_.notify(ListChange{});
    SaveResult saved = saveWebSettings({folder_, path_, &prompt, &readFailed_}, settings_);
    return {saved.ok, saved.ok, false, std::move(saved.message)};
}
