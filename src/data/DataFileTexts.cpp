#include "data/DataFileTexts.h"

#include "data/Text.h"

namespace {

DataFileTexts makeReferenceTexts() {
    const std::u16string adminTail =
        u"\n拒绝访问\n\n您可尝试：\n以管理员身份重新运行  -  用鼠标右键点击软件图标 > 弹出菜单 > "
        u"选择以管理员身份运行\n\n专家在线 - 主界面左侧点 {帮助栏}";
    const std::u16string securityTail =
        u"\n拒绝访问\n\n您可尝试 - 修改文件安全属性：\n到目标文件夹 > 右键点击此文件 > 弹出菜单选{属性} > "
        u"打开属性窗口 > 切换到{安全页} > 点{编辑}按钮 > 改当前用户的权限\n\n专家在线 - 主界面左侧点 {帮助栏}";
    const std::u16string busyTail =
        u"\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n专家在线 - 主界面左侧点 {帮助栏}";
    const std::u16string otherTail = u"\n\n%s\n\n专家在线 - 主界面左侧点 {帮助栏}";

    DataFileTexts texts;
    texts.read = ReadTexts{u"读文件失败：\n%s" + adminTail, u"读文件失败：\n%s" + securityTail,
                           u"读文件失败：\n%s" + busyTail, u"读文件失败：\n%s" + otherTail,
                           u"读文件失败：\n%s\n\n文件内容有错误\n\n "};
    texts.write = WriteTexts{u"写文件失败：\n%s" + adminTail, u"写文件失败：\n%s" + securityTail,
                             u"写文件失败：\n%s" + busyTail, u"写文件失败：\n%s" + otherTail};
    texts.prepare = texts.write;
    texts.saveQuestion = u"要保存修改吗 ？\n\n%s\n\n警告 !!\n软件启动时，该文件读取失败，保存会覆盖该文件";
    return texts;
}

std::u16string failureText(FileSystem& fs, const std::u16string& deniedAdmin, const std::u16string& deniedOther,
                           const std::u16string& busy, const std::u16string& other, ErrorCode code,
                           std::u16string_view path) {
    if (code == errorAccessDenied) return formatText(fs.isAdminUnelevated() ? deniedAdmin : deniedOther, {path});
    if (code == errorSharingViolation || code == errorLockViolation) return formatText(busy, {path});
    return formatText(other, {path, systemTextFor(fs, code)});
}

}  // namespace

const DataFileTexts& referenceTexts() {
    static const DataFileTexts texts = makeReferenceTexts();
    return texts;
}

std::u16string quotedSystemText(std::u16string_view text) {
    text = text.substr(0, 255);
    const auto first = text.find_first_not_of(u"\r\n");
    if (first == std::u16string_view::npos) return {};
    const auto last = text.find_last_not_of(u"\r\n");
    return std::u16string(text.substr(first, last - first + 1));
}

std::u16string systemTextFor(FileSystem& fs, ErrorCode code) {
    return quotedSystemText(fs.systemMessage(code));
}

std::u16string readFailureText(FileSystem& fs, const ReadTexts& texts, ReadFailure failure, ErrorCode code,
                               std::u16string_view path) {
    if (failure == ReadFailure::content) return formatText(texts.content, {path});
    return failureText(fs, texts.deniedAdmin, texts.deniedOther, texts.busy, texts.other, code, path);
}

std::u16string writeFailureText(FileSystem& fs, const WriteTexts& texts, ErrorCode code, std::u16string_view path) {
    return failureText(fs, texts.deniedAdmin, texts.deniedOther, texts.busy, texts.other, code, path);
}
