#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "audio/win32/ToolsSource.h"
#include "audio/win32/WarmUp.h"
#include "data/Text.h"
#include "data/win32/Win32Prompt.h"
#include "system/DeviceBar.h"
#include "system/SettingsEdits.h"
#include "system/win32/LocalAddresses.h"
#include "ui/PageTexts.h"
#include "ui/win32/BackupDialogs.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/OutputDeviceDialog.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "ui/win32/SettingsDialogs.h"
#include "ui/win32/SettingsPageIds.h"
#include "ui/win32/StatusBarIds.h"
#include "web/ConsoleAddresses.h"
#include "web/WebConsoleStatus.h"
#include "web/WebSettingsStore.h"
#include "winutil/GdiObjects.h"
#include "winutil/PngResource.h"

namespace {

constexpr COLORREF separatorColour = RGB(230, 230, 230);

struct RuleControls {
    PowerRule rule;
    int check;
    int text;
    int set;
};
constexpr RuleControls ruleControls[] = {
    {PowerRule::dailyShutdown, IDC_DAILY_ON, IDC_DAILY_TEXT, IDC_DAILY_SET},
    {PowerRule::weeklyShutdown, IDC_WEEKLY_ON, IDC_WEEKLY_TEXT, IDC_WEEKLY_SET},
    {PowerRule::restart, IDC_RESTART_ON, IDC_RESTART_TEXT, IDC_RESTART_SET},
};

constexpr std::u16string_view autoLogonAdvice =
    u"有密码时, 自动登录 Windows：\n"
    u"1. 按 Win+R, 输入 netplwiz 后回车\n"
    u"2. 取消勾选 \"要使用本计算机，用户必须输入用户名和密码\"\n"
    u"3. 点确定, 输入两次 Windows 密码\n\n"
    u"开机后自动登录; 再勾选上面的 \"立即锁屏\", 登录后立即锁屏, 别人用不了电脑。";
constexpr std::u16string_view alwaysOnAdvice = u"可一直开机：\n耗电很少，关闭显示器再省一半.\n笔记本电脑不要合上，防止休眠.\u3000";
constexpr std::u16string_view biosPowerOnAdvice =
    u"通过主板BIOS定时开机：\n"
    u"1. 开机时按 Del、F2 或 F10 (看主板说明) 进入 BIOS 设置\n"
    u"2. 电源管理 (Power Management) 中找到 \"RTC Alarm\" 或 \"Resume By Alarm\"\n"
    u"3. 设为 Enabled, 填入开机时间, 按 F10 保存退出\n\n"
    u"注意：拔掉电源插头或主板电池没电时, 定时开机不起作用。";
constexpr std::u16string_view amplifierAdvice =
    u"功放定时开/关：\n"
    u"1. 功放的电源插到时控开关 (定时插座) 上\n"
    u"2. 开的时间比第一个节目早 2 分钟, 关的时间比最后一个节目晚 2 分钟\n\n"
    u"功放开着却没有声音时, 先查功放的音量旋钮和音频线。";
constexpr std::u16string_view timetableAdvice = u"作息表切换：\n可通过备份、还原实现";
constexpr std::u16string_view portNotANumber = u"端口须是1到65535之间的整数";

// A window's message boxes, remembering whether it showed one: a failed save has told the
// operator already, a refusal only comes back in the result.
class TellingPrompt : public Prompt {
public:
    explicit TellingPrompt(HWND owner) : inner_(owner) {}
    bool told() const { return told_; }
    void showMessage(std::u16string_view text, MessageIcon icon) override {
        told_ = true;
        inner_.showMessage(text, icon);
    }
    bool askYesNo(std::u16string_view text) override { return inner_.askYesNo(text); }

private:
    Win32Prompt inner_;
    bool told_ = false;
};

struct PageArguments {
    const PageContext& context;
    SettingsStore& settings;
    ProgramStore& programs;
    CalendarStore& calendar;
    WebSettingsStore& web;
    WebConsoleStatus& webStatus;
};

// The page while it exists: shows the settings and the logon-start options, the web console's
// settings and whether it listens, as their owners change them, and asks the owners for every
// change the operator makes.
class SettingsPage : public ListObserver {
public:
    SettingsPage(HWND window, const PageArguments& arguments)
        : window_(window),
          scale_(arguments.context.uiScale),
          loadPrompt_(arguments.context.loadPrompt),
          exeDir_(arguments.context.exeDir),
          settings_(arguments.settings),
          web_(arguments.web),
          webStatus_(arguments.webStatus),
          backup_{arguments.programs, arguments.calendar, arguments.context.fs} {}

    void setUp() {
        title_ = loadPngResource(GetModuleHandleW(nullptr), IDB_SETTINGS_TITLE);
        showAll();
        settings_.addObserver(*this);
        web_.addObserver(*this);
        webStatus_.addObserver(*this);
    }

    void tearDown() {
        webStatus_.removeObserver(*this);
        web_.removeObserver(*this);
        settings_.removeObserver(*this);
    }

    void listChanged(const ListChange&) override { showAll(); }

    // The PC may have joined another network since the list was last made.
    void shown() { showWeb(); }

    void command(int id) {
        for (const RuleControls& controls : ruleControls) {
            if (id == controls.check) return tickRule(controls);
            if (id == controls.set) return editRule(controls);
        }
        switch (id) {
            case IDC_LOAD_SETTINGS: load(); break;
            case IDC_AUTOSTART: tickAutostart(); break;
            case IDC_AUTOSTART_HIDDEN:
            case IDC_AUTOSTART_LOCK: tickAutostartOption(); break;
            case IDC_CHOOSE_DEVICE: chooseDevice(); break;
            case IDC_DUCKING_SET: editDucking(); break;
            case IDC_HIDE_TO_TRAY: askMainWindow(IDC_HIDE_TO_TRAY); break;
            case IDC_BACKUP: backupFromPage(window_, backup_); break;
            case IDC_RESTORE: restoreFromPage(window_, backup_); break;
            case IDC_AUTO_LOGON_LINK: inform(autoLogonAdvice); break;
            case IDC_ALWAYS_ON_LINK: inform(alwaysOnAdvice); break;
            case IDC_BIOS_POWER_ON_LINK: inform(biosPowerOnAdvice); break;
            case IDC_AMPLIFIER_TIMER_LINK: inform(amplifierAdvice); break;
            case IDC_TIMETABLE_SWITCH: inform(timetableAdvice); break;
            case IDC_WEB_ON: tickWeb(); break;
            case IDC_WEB_PORT_APPLY: applyWebPort(); break;
            case IDC_WEB_SET_PASSWORD: setWebPassword(); break;
        }
    }

    // The top line, the title picture, and a line between the two columns.
    void paint() {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(window_, &ps);
        fillPageTopLine(window_, dc, scale_);
        RECT separator{300, 50, 301, 340};
        MapDialogRect(window_, &separator);
        const UniqueBrush brush(CreateSolidBrush(separatorColour));
        FillRect(dc, &separator, brush.get());
        if (title_) {
            Gdiplus::Graphics graphics(dc);
            drawFitted(graphics, *title_, childRect(window_, IDC_SETTINGS_TITLE));
        }
        EndPaint(window_, &ps);
    }

private:
    void showAll() {
        const SettingsRecord& settings = settings_.settings();
        const AutostartOptions& autostart = settings_.autostart();
        setChecked(window_, IDC_AUTOSTART, autostart.autostart != 0);
        setChecked(window_, IDC_AUTOSTART_HIDDEN, autostart.autostartHidden != 0);
        setChecked(window_, IDC_AUTOSTART_LOCK, autostart.autostartLock != 0);
        enableControls(window_, {IDC_AUTOSTART_HIDDEN, IDC_AUTOSTART_LOCK}, autostart.autostart != 0);
        for (const RuleControls& controls : ruleControls) {
            const bool on = powerRuleOn(settings, controls.rule);
            setChecked(window_, controls.check, on);
            enableControls(window_, {controls.text, controls.set}, on);
            setControlText(window_, controls.text, powerRuleText(settings, controls.rule));
        }
        setControlText(window_, IDC_DUCKING_TEXT, duckingText(settings.duckPercent));
        setControlText(window_, IDC_OUTPUT_DEVICE, displayedDeviceName(fixedView(settings.outputDevice)));
        showWeb();
    }

    void showWeb() {
        const WebSettingsRecord& web = web_.settings();
        setChecked(window_, IDC_WEB_ON, web.on != 0);
        // A port being typed stays until the stored one changes.
        if (web.port != shownPort_) {
            SetDlgItemInt(window_, IDC_WEB_PORT, static_cast<UINT>(web.port), FALSE);
            shownPort_ = web.port;
        }
        setControlText(window_, IDC_WEB_PASSWORD_STATE, web.passwordSet != 0 ? u"(已设置密码)" : u"(未设置密码)");
        setControlText(window_, IDC_WEB_ADDRESSES, consoleAddresses(localIpv4Addresses(), web.port));
        setControlText(window_, IDC_WEB_STATUS, webStatus_.text());
    }

    void load() {
        settings_.load(loadPrompt_);
        web_.load(&loadPrompt_);
        warmUpDevice(fixedView(settings_.settings().outputDevice), window_, toolsConfigFor(exeDir_));
        askMainWindow(IDC_REFRESH_BAR);
    }

    void tickAutostart() {
        Win32Prompt prompt(window_);
        settings_.setAutostartOn(isChecked(window_, IDC_AUTOSTART), prompt);
    }

    void tickAutostartOption() {
        Win32Prompt prompt(window_);
        settings_.setAutostartOptions(isChecked(window_, IDC_AUTOSTART_HIDDEN), isChecked(window_, IDC_AUTOSTART_LOCK),
                                      prompt);
    }

    void tickRule(const RuleControls& controls) {
        Win32Prompt prompt(window_);
        settings_.setPowerRuleOn(controls.rule, isChecked(window_, controls.check), prompt);
    }

    void editRule(const RuleControls& controls) {
        PowerRuleChoice choice = powerRuleChoice(settings_.settings(), controls.rule);
        if (editPowerRule(window_, controls.rule, choice) != IDOK) return;
        Win32Prompt prompt(window_);
        settings_.setPowerRuleChoice(controls.rule, choice, prompt);
    }

    void chooseDevice() {
        const auto device = chooseOutputDevice(window_, fixedView(settings_.settings().outputDevice), exeDir_);
        if (!device) return;
        Win32Prompt prompt(window_);
        settings_.setOutputDevice(*device, prompt);
        askMainWindow(IDC_REFRESH_BAR);
    }

    void editDucking() {
        DuckChoice choice = duckChoice(settings_.settings());
        if (editDuck(window_, choice) != IDOK) return;
        Win32Prompt prompt(window_);
        settings_.setDuck(choice, prompt);
    }

    void tickWeb() {
        TellingPrompt prompt(window_);
        report(web_.setOn(isChecked(window_, IDC_WEB_ON), prompt), prompt);
        // A refusal tells no observer, and the box has already changed.
        showWeb();
    }

    void applyWebPort() {
        const std::optional<int> port = validateInteger(controlText(window_, IDC_WEB_PORT));
        TellingPrompt prompt(window_);
        if (!port) {
            showAppMessage(window_, portNotANumber, MessageIcon::warning);
        } else if (report(web_.setPort(*port, prompt), prompt)) {
            return;
        }
        focusAndSelect(window_, IDC_WEB_PORT);
    }

    void setWebPassword() {
        std::u16string password;
        if (editWebPassword(window_, password) != IDOK) return;
        TellingPrompt prompt(window_);
        // The hash takes a moment on purpose.
        const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        const WebSettingsResult result = web_.setPassword(password, prompt);
        SetCursor(previous);
        std::fill(password.begin(), password.end(), u'\0');
        report(result, prompt);
    }

    // True when the change held; otherwise its message, unless the save has shown it already.
    bool report(const WebSettingsResult& result, const TellingPrompt& prompt) {
        if (result.ok) return true;
        if (!prompt.told() && !result.message.empty()) {
            showAppMessage(window_, result.message, result.refused ? MessageIcon::warning : MessageIcon::error);
        }
        return false;
    }

    // The main window hides itself to the tray and passes the refresh on to the status bar.
    void askMainWindow(WORD command) { SendMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(command, 0), 0); }

    void inform(std::u16string_view text) { showAppMessage(window_, text, MessageIcon::information); }

    HWND window_;
    double scale_;
    Prompt& loadPrompt_;
    std::u16string exeDir_;
    SettingsStore& settings_;
    WebSettingsStore& web_;
    WebConsoleStatus& webStatus_;
    int shownPort_ = 0;
    BackupTargets backup_;
    std::unique_ptr<Gdiplus::Bitmap> title_;
};

bool isLink(UINT_PTR id) {
    return id == IDC_AUTO_LOGON_LINK || id == IDC_ALWAYS_ON_LINK || id == IDC_BIOS_POWER_ON_LINK ||
           id == IDC_AMPLIFIER_TIMER_LINK;
}

// Static texts and check boxes lie on the white page; the read-only edits are white and opaque,
// so that a changed text never shows through the old one.
INT_PTR colourControl(WPARAM deviceContext, LPARAM control) {
    wchar_t className[8] = {};
    GetClassNameW(reinterpret_cast<HWND>(control), className, 8);
    if (lstrcmpiW(className, L"Edit") != 0) return whitePageBackground(deviceContext);
    SetBkColor(reinterpret_cast<HDC>(deviceContext), RGB(255, 255, 255));
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

INT_PTR CALLBACK settingsPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* page = pageObject<SettingsPage, PageArguments>(window, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORBTN:
            return whitePageBackground(wParam);
        case WM_CTLCOLORSTATIC:
            return colourControl(wParam, lParam);
    }
    if (!page) return FALSE;
    switch (message) {
        case WM_PAINT:
            page->paint();
            return TRUE;
        case WM_SHOWWINDOW:
            if (wParam) page->shown();
            return FALSE;
        case WM_COMMAND:
            // Links answer their id as a command too, so they can be driven from outside.
            page->command(LOWORD(wParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if ((header.code != NM_CLICK && header.code != NM_RETURN) || !isLink(header.idFrom)) return FALSE;
            page->command(static_cast<int>(header.idFrom));
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

HWND createSettingsPage(HWND mainWindow, const PageContext& context, SettingsStore& settings, ProgramStore& programs,
                        CalendarStore& calendar, WebSettingsStore& web, WebConsoleStatus& webStatus) {
    const PageArguments arguments{context, settings, programs, calendar, web, webStatus};
    return createPageDialog(IDD_SETTINGS_PAGE, mainWindow, settingsPageProc, reinterpret_cast<LPARAM>(&arguments));
}
