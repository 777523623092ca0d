#include "system/AutostartStore.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/DataFileTexts.h"
#include "data/Text.h"

namespace {

struct FailureTexts {
    std::u16string_view adminUnelevated;  // proposes running as administrator
    std::u16string_view other;
};

constexpr FailureTexts loadFailure{
    u"无法读取 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，以管理员身份重新运行\n"
        u"    用鼠标右键点击软件图标 > 弹出菜单 > 选:以管理员身份运行\n3. 专家在线 - 主界面的左侧点 {帮助栏}",
    u"无法读取 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，{专家在线}可远程协助\n"
        u"3. 专家在线 - 主界面的左侧点 {帮助栏}"};

constexpr FailureTexts saveFailure{
    u"无法保存 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，以管理员身份重新运行\n"
        u"    用鼠标右键点击软件图标 > 弹出菜单 > 选择:以管理员身份运行　\n"
        u"3. 专家在线 - 主界面的左侧点 {帮助栏}",
    u"无法保存 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，{专家在线}可远程协助\n"
        u"3. 专家在线 - 主界面的左侧点 {帮助栏}"};

std::unique_ptr<RegistryKey> openRunKey(Registry& registry, KeyAccess access, ErrorCode& error) {
    if (auto key = registry.openUserKey(autostartRunKey, access, error)) return key;
    registry.repairAccess(autostartRunKeyObject);
    return registry.openUserKey(autostartRunKey, access, error);
}

// Whole UTF-16LE units only: a stray last byte of odd-length data is no character.
std::u16string textOf(const std::vector<std::uint8_t>& data) {
    std::u16string text(data.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    return text;
}

ErrorCode readOptions(Registry& registry, AutostartOptions& options, std::u16string_view programPath) {
    ErrorCode error = errorSuccess;
    const auto key = openRunKey(registry, KeyAccess::queryValues, error);
    if (!key) return error == errorFileNotFound ? errorSuccess : error;
    std::uint32_t size = 0;
    error = key->valueSize(autostartValueName, size);
    if (error == errorFileNotFound || (error == errorSuccess && size == 0)) return errorSuccess;
    if (error != errorSuccess) return error;
    std::vector<std::uint8_t> data(size);
    error = key->readValue(autostartValueName, data);
    if (error != errorSuccess) return error;
    options = parseAutostartValue(textOf(data), programPath);
    return errorSuccess;
}

ErrorCode writeOptions(Registry& registry, const AutostartOptions& options, std::u16string_view programPath) {
    ErrorCode error = errorSuccess;
    const auto key = openRunKey(registry, KeyAccess::setValues, error);
    if (!key) return error;
    if (options.autostart == 0) {
        error = key->deleteValue(autostartValueName);
        // Off with no value is what was asked for; any other failure leaves the program starting at logon.
        if (error == errorFileNotFound) error = errorSuccess;
    } else {
        error = key->setText(autostartValueName, autostartValueData(programPath, options));
    }
    // The change is made; the flush only hastens it to the disk, so its result changes nothing.
    if (error == errorSuccess) key->flush();
    return error;
}

bool reportFailure(Registry& registry, Prompt& prompt, const FailureTexts& texts, ErrorCode code) {
    const std::u16string_view pattern = registry.isAdminUnelevated() ? texts.adminUnelevated : texts.other;
    prompt.showMessage(formatText(pattern, {quotedSystemText(registry.systemMessage(code))}), MessageIcon::error);
    return false;
}

}  // namespace

bool loadAutostartFrom(Registry& registry, AutostartOptions& options, std::u16string_view programPath,
                       Prompt& prompt) {
    const ErrorCode error = readOptions(registry, options, programPath);
    return error == errorSuccess || reportFailure(registry, prompt, loadFailure, error);
}

bool saveAutostartTo(Registry& registry, const AutostartOptions& options, std::u16string_view programPath,
                     Prompt& prompt) {
    const ErrorCode error = writeOptions(registry, options, programPath);
    return error == errorSuccess || reportFailure(registry, prompt, saveFailure, error);
}
