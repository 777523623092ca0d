#include "data/DataFileTexts.h"

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

}  // namespace

const DataFileTexts& referenceTexts() {
    static const DataFileTexts texts = makeReferenceTexts();
    return texts;
}
