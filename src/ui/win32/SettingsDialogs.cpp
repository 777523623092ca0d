#include "ui/win32/SettingsDialogs.h"

#include <commctrl.h>

#include "data/win32/LocalNow.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/SettingsPageIds.h"
#include "web/PasswordHash.h"

namespace {

constexpr std::u16string_view passwordsDiffer = u"两次输入的密码不一样，请重新输入";

constexpr std::u16string_view invalidDuckPercent =
    u"音量降低百分比，输入无效\u3000\u3000\u3000\u3000\u3000 \n\n\n ";

struct RuleDialog {
    int templateId;
    int timeId;
    int firstDayId;  // 0: no day boxes
};

RuleDialog ruleDialogOf(PowerRule rule) {
    switch (rule) {
        case PowerRule::weeklyShutdown: return {IDD_WEEKLY_SHUTDOWN, IDC_WEEKLY_TIME, IDC_WEEKLY_FIRST_DAY};
        case PowerRule::restart: return {IDD_RESTART, IDC_RESTART_TIME, IDC_RESTART_FIRST_DAY};
        default: return {IDD_DAILY_SHUTDOWN, IDC_DAILY_TIME, 0};
    }
}

struct RuleEdit {
    RuleDialog dialog;
    PowerRuleChoice choice;
};

void initialiseRule(HWND dialog, RuleEdit& edit) {
    const int timeId = edit.dialog.timeId;
    setPickerFormat(dialog, timeId, L"HH:mm:ss");
    DateTime shown = localNow();
    shown.hour = static_cast<std::uint16_t>(edit.choice.time.hour);
    shown.minute = static_cast<std::uint16_t>(edit.choice.time.minute);
    shown.second = static_cast<std::uint16_t>(edit.choice.time.second);
    shown.milliseconds = 0;
    setPickerValue(dialog, timeId, shown);
    if (edit.dialog.firstDayId == 0) return;
    for (int day = 0; day < 7; ++day) setChecked(dialog, edit.dialog.firstDayId + day, edit.choice.days[day] != 0);
}

void confirmRule(HWND dialog, RuleEdit& edit) {
    SYSTEMTIME picked{};
    if (SendDlgItemMessageW(dialog, edit.dialog.timeId, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked)) !=
        GDT_VALID) {
        return;
    }
    edit.choice.time = TimeOfDay{picked.wHour, picked.wMinute, picked.wSecond};
    if (edit.dialog.firstDayId != 0) {
        for (int day = 0; day < 7; ++day) edit.choice.days[day] = isChecked(dialog, edit.dialog.firstDayId + day) ? 1 : 0;
    }
    EndDialog(dialog, IDOK);
}

void setTrackBar(HWND dialog, int id, int low, int high, int position) {
    SendDlgItemMessageW(dialog, id, TBM_SETRANGE, TRUE, MAKELPARAM(low, high));
    SendDlgItemMessageW(dialog, id, TBM_SETPAGESIZE, 0, 1);
    SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, position);
}

int trackBarPosition(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, TBM_GETPOS, 0, 0));
}

void showDuck(HWND dialog, const DuckChoice& choice) {
    SetDlgItemInt(dialog, IDC_DUCK_PERCENT, static_cast<UINT>(choice.percent), FALSE);
    setTrackBar(dialog, IDC_DUCK_FADE_OUT, duckFadeOutMin, duckFadeOutMax, choice.fadeOutLength);
    setTrackBar(dialog, IDC_DUCK_FADE_IN, duckFadeInMin, duckFadeInMax, choice.fadeInLength);
}

void confirmDuck(HWND dialog, DuckChoice& choice) {
    const std::optional<int> percent =
        validateInteger(controlText(dialog, IDC_DUCK_PERCENT), duckPercentMin, duckPercentMax);
    if (!percent) {
        showAppMessage(dialog, invalidDuckPercent, MessageIcon::warning);
        focusAndSelect(dialog, IDC_DUCK_PERCENT);
        return;
    }
    choice = {*percent, trackBarPosition(dialog, IDC_DUCK_FADE_OUT), trackBarPosition(dialog, IDC_DUCK_FADE_IN)};
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK duckDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // "恢复默认" only shows the defaults; "确定" takes them.
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_DUCK_DEFAULTS) {
        showDuck(dialog, defaultDuckChoice());
        return TRUE;
    }
    return confirmingDialogProc<DuckChoice, showDuck, confirmDuck>(dialog, message, wParam, lParam);
}

void initialisePassword(HWND, std::u16string&) {}

// The rule on the first field, then the second must repeat it; either failure keeps the dialog
// with the focus where the operator mends it.
void confirmPassword(HWND dialog, std::u16string& password) {
    const std::u16string first = controlText(dialog, IDC_WEB_NEW_PASSWORD);
    if (const std::u16string refusal = passwordRuleMessage(first); !refusal.empty()) {
        showAppMessage(dialog, refusal, MessageIcon::warning);
        focusAndSelect(dialog, IDC_WEB_NEW_PASSWORD);
        return;
    }
    if (controlText(dialog, IDC_WEB_REPEAT_PASSWORD) != first) {
        showAppMessage(dialog, passwordsDiffer, MessageIcon::warning);
        focusAndSelect(dialog, IDC_WEB_REPEAT_PASSWORD);
        return;
    }
    password = first;
    EndDialog(dialog, IDOK);
}

}  // namespace

int editPowerRule(HWND owner, PowerRule rule, PowerRuleChoice& choice) {
    RuleEdit edit{ruleDialogOf(rule), choice};
    const int result =
        editInDialog(owner, edit.dialog.templateId, confirmingDialogProc<RuleEdit, initialiseRule, confirmRule>, edit);
    if (result == IDOK) choice = edit.choice;
    return result;
}

int editDuck(HWND owner, DuckChoice& choice) {
    return editInDialog(owner, IDD_DUCK, duckDialogProc, choice);
}

int editWebPassword(HWND owner, std::u16string& password) {
    return editInDialog(owner, IDD_WEB_PASSWORD,
                        confirmingDialogProc<std::u16string, initialisePassword, confirmPassword>, password);
}
