#include "shell/win32/HtmlView.h"

#include <exdisp.h>
#include <wrl/client.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "winutil/WideText.h"
#include "shell/HtmlText.h"
#include "shell/win32/BrowserSite.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/TroubleshootingPageIds.h"
#include "winutil/GdiObjects.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr wchar_t htmlViewClass[] = L"Broadcast_HTMLPage";
// {8856F961-340A-11D0-A96B-00C04FD705A2}: mingw declares it but its libraries lack it.
constexpr CLSID webBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
constexpr UINT_PTR documentTimer = 1;
constexpr UINT documentCheckMs = 250;
constexpr int documentChecks = 8;  // two seconds for a local file to become a document

struct HtmlView {
    std::wstring path;
    ComPtr<BrowserSite> site;
    ComPtr<IOleObject> browserObject;
    ComPtr<IWebBrowser2> browser;
    int checksLeft = documentChecks;
    HWND text = nullptr;
    UniqueFont textFont;
};

HtmlView* viewOf(HWND window) {
    return reinterpret_cast<HtmlView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool startBrowser(HWND window, HtmlView& view) {
    if (FAILED(CoCreateInstance(webBrowserClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&view.browserObject)))) {
        return false;
    }
    view.site.Attach(new BrowserSite(window));
    RECT client{};
    GetClientRect(window, &client);
    if (FAILED(view.browserObject->SetClientSite(view.site.Get())) ||
        FAILED(view.browserObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, view.site.Get(), 0, window, &client)) ||
        FAILED(view.browserObject.As(&view.browser))) {
        return false;
    }
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(view.path.c_str());
    VARIANT none;
    VariantInit(&none);
    const HRESULT navigated = view.browser->Navigate2(&url, &none, &none, &none, &none);
    VariantClear(&url);
    if (FAILED(navigated)) return false;
    // The control accepts the navigation even where it can never render a page: only a
    // document proves that it works.
    SetTimer(window, documentTimer, documentCheckMs, nullptr);
    return true;
}

void closeBrowser(HtmlView& view) {
    if (view.browserObject) {
        ComPtr<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(view.browserObject.As(&inPlace))) inPlace->InPlaceDeactivate();
        view.browserObject->Close(OLECLOSE_NOSAVE);
        view.browserObject->SetClientSite(nullptr);
    }
    view.browser.Reset();
    view.browserObject.Reset();
    view.site.Reset();
}

bool hasDocument(HtmlView& view) {
    ComPtr<IDispatch> document;
    return view.browser && SUCCEEDED(view.browser->get_Document(&document)) && document;
}

std::wstring pageText(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return L"找不到帮助文件：" + path;
    const std::string html((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return toWide(htmlToText(html));
}

HFONT readingFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = metrics.lfMessageFont.lfHeight * 5 / 4;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void showText(HWND window, HtmlView& view) {
    closeBrowser(view);
    RECT client{};
    GetClientRect(window, &client);
    view.text = CreateWindowExW(0, L"EDIT", pageText(view.path).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
                                client.right, client.bottom, window, reinterpret_cast<HMENU>(IDC_HTML_TEXT),
                                shellWindows().instance, nullptr);
    view.textFont.reset(readingFont());
    SendMessageW(view.text, WM_SETFONT, reinterpret_cast<WPARAM>(view.textFont.get()), FALSE);
    SendMessageW(view.text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(10, 10));
}

void resize(HWND window, HtmlView& view) {
    RECT client{};
    GetClientRect(window, &client);
    if (view.text) MoveWindow(view.text, 0, 0, client.right, client.bottom, TRUE);
    ComPtr<IOleInPlaceObject> inPlace;
    if (view.browserObject && SUCCEEDED(view.browserObject.As(&inPlace))) inPlace->SetObjectRects(&client, &client);
}

LRESULT CALLBACK htmlViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto view = std::make_unique<HtmlView>();
        view->path = static_cast<const wchar_t*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view.release()));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    HtmlView* view = viewOf(window);
    if (view == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            if (!startBrowser(window, *view)) showText(window, *view);
            return 0;
        case WM_TIMER:
            if (wParam != documentTimer) break;
            if (hasDocument(*view)) {
                KillTimer(window, documentTimer);
            } else if (--view->checksLeft <= 0) {
                KillTimer(window, documentTimer);
                showText(window, *view);
            }
            return 0;
        case WM_SIZE:
            resize(window, *view);
            return 0;
        case WM_CTLCOLORSTATIC:
            // A read-only edit would otherwise be grey.
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        case WM_DESTROY:
            KillTimer(window, documentTimer);
            closeBrowser(*view);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            delete view;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerHtmlViewClass() {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(shellWindows().instance, htmlViewClass, &windowClass)) return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = htmlViewProc;
    windowClass.hInstance = shellWindows().instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = htmlViewClass;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

HWND createHtmlView(HWND parent, int id, const std::wstring& path) {
    if (!registerHtmlViewClass()) return nullptr;
    return CreateWindowExW(WS_EX_STATICEDGE, htmlViewClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                           100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           shellWindows().instance, const_cast<wchar_t*>(path.c_str()));
}
