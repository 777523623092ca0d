#include "instant/InstantFile.h"

#include <cstring>

#include "data/FileSystem.h"
#include "data/Text.h"

namespace {

DataFileTexts makeInstantTexts() {
    const std::u16string tail = u"\n\n专家在线 - 主界面左侧点 {帮助栏}";
    DataFileTexts texts = referenceTexts();
    texts.write = WriteTexts{
        u"写文件失败 - 拒绝访问：\n%s\n\n您可尝试：\n以管理员身份重新运行  -  用鼠标右键点击软件图标 > 弹出菜单 > "
        u"选择以管理员身份运行" + tail,
        u"写文件失败 - 拒绝访问：\n%s\n\n您可尝试 - 修改文件安全属性：\n到目标文件夹 > 右键点击此文件 > 弹出菜单选{属性} > "
        u"打开属性窗口 > 切换到{安全页} > 点{编辑}按钮 > 改当前用户的权限" + tail,
        u"写文件失败 - 被别的程序占用：\n%s \n\n您可尝试：\n关闭相关程序，或重启下电脑再试" + tail,
        u"写文件失败：\n%s \n\n%s" + tail + u"\n "};
    texts.prepare = texts.write;
    texts.prepare.busy = u"写文件失败 - 被别的程序占用：\n%s\u3000\u3000 \n\n您可尝试：\n关闭相关程序，或重启下电脑再试" + tail;
    texts.prepare.other = u"写文件失败：\n%s\u3000\u3000 \n\n%s" + tail + u"\n ";
    return texts;
}

// Name and extension are derived again from the path; the rest is taken as stored.
bool acceptLoadedItem(InstantItem& item) {
    item.path[instantTextCapacity - 1] = u'\0';
    if (static_cast<std::uint32_t>(item.durationMs) + 1u > static_cast<std::uint32_t>(maxInstantDurationMs) + 1u) {
        return false;
    }
    const InstantItem derived = makeInstantItem(fixedView(item.path), item.durationMs);
    std::memcpy(item.name, derived.name, sizeof item.name);
    std::memcpy(item.ext, derived.ext, sizeof item.ext);
    return true;
}

template <typename T>
void append(std::vector<std::uint8_t>& bytes, const T& value) {
    const auto* first = reinterpret_cast<const std::uint8_t*>(&value);
    bytes.insert(bytes.end(), first, first + sizeof value);
}

}  // namespace

const DataFileTexts& instantFileTexts() {
    static const DataFileTexts texts = makeInstantTexts();
    return texts;
}

std::vector<InstantItem> defaultInstantItems(std::u16string_view musicDir) {
    return {makeInstantItem(joinPath(musicDir, u"歌曲\\莱芜南冶.mp3"), 110833)};
}

ReadResult loadInstant(const DataFileContext& context, std::u16string_view musicDir, std::vector<InstantItem>& items,
                       InstantOptions& options) {
    items.clear();
    options = InstantOptions{};
    std::vector<InstantItem> loaded;
    InstantOptions read;
    bool parsed = false;
    // Checked in file order; a false return rejects the file as a content error.
    const auto parse = [&](PayloadReader& reader) {
        std::int32_t count = 0;
        if (!reader.read(read.volume) || read.volume < 25 || read.volume > 100) return false;
        if (!reader.read(read.mode) || read.mode < singleLoop || read.mode > randomOrder) return false;
        if (!reader.read(count) || count < 0 || static_cast<std::size_t>(count) > maxInstantItems) return false;
        loaded.resize(static_cast<std::size_t>(count));
        for (InstantItem& item : loaded) {
            if (!reader.read(item) || !acceptLoadedItem(item)) return false;
        }
        if (!reader.read(read.countMode) || !reader.read(read.songCount) || read.songCount < 0) return false;
        if (!reader.read(read.seconds) || read.seconds < 0) return false;
        parsed = true;
        return true;
    };
    DataFileContext withoutFlag = context;
    withoutFlag.readFailed = nullptr;
    ReadResult result = readDataFile(withoutFlag, instantFileTexts(), parse);
    if (!result.ok()) return result;
    if (parsed) {
        items = std::move(loaded);
        options = read;
    } else {
        items = defaultInstantItems(musicDir);
    }
    return result;
}

std::vector<std::uint8_t> instantPayload(const std::vector<InstantItem>& items, const InstantOptions& options) {
    std::vector<std::uint8_t> payload;
    payload.reserve(6 * sizeof(std::int32_t) + items.size() * sizeof(InstantItem));
    append(payload, options.volume);
    append(payload, options.mode);
    append(payload, static_cast<std::int32_t>(items.size()));
    for (const InstantItem& item : items) append(payload, item);
    append(payload, options.countMode);
    append(payload, options.songCount);
    append(payload, options.seconds);
    return payload;
}

SaveResult saveInstant(const DataFileContext& context, const std::vector<InstantItem>& items,
                       const InstantOptions& options) {
    DataFileContext withoutFlag = context;
    withoutFlag.readFailed = nullptr;
    return saveDataFile(withoutFlag, instantFileTexts(), instantPayload(items, options));
}
