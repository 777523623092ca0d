#pragma once
// The settings page's small dialogs: "每天关机", "每周关机" and "关机重启" on a rule's time and
// days, "音量降低" on the ducking and "网页控制台密码". Each edits its value in place and returns
// IDOK, or IDCANCEL with the value unchanged.
#include <windows.h>

#include <string>

#include "system/SettingsEdits.h"

int editPowerRule(HWND owner, PowerRule rule, PowerRuleChoice& choice);
int editDuck(HWND owner, DuckChoice& choice);
// A new password, typed twice and within the length rule.
int editWebPassword(HWND owner, std::u16string& password);
