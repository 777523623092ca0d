#include <gtest/gtest.h>

#include "data/Text.h"
#include "web/ListenFailure.h"

// Each failure tells the operator what happened and what to do, on the page and in the log.
TEST(ListenFailure, EachCauseSaysWhatToDo) {
    const ListenTexts taken = listenFailureTexts(183, 8765, u"");
    EXPECT_EQ(toUtf8(taken.status), "网页控制台无法使用端口 8765：该端口已被其他程序占用。请换一个端口（如 8766）。");
    EXPECT_EQ(toUtf8(taken.log), "网页控制台 ◆ 端口 8765 已被占用 ◆ 请在设置中换一个端口");
    EXPECT_EQ(listenFailureTexts(32, 8765, u"").status, taken.status) << "a socket of another program";
    EXPECT_NE(toUtf8(listenFailureTexts(32, 65535, u"").status).find("（如 65534）"), std::string::npos);
    const ListenTexts denied = listenFailureTexts(5, 80, u"拒绝访问。");
    EXPECT_NE(toUtf8(denied.status).find("没有权限"), std::string::npos);
    EXPECT_NE(toUtf8(denied.log).find("端口 80 没有权限"), std::string::npos);
    const ListenTexts other = listenFailureTexts(87, 8765, u"参数错误。");
    EXPECT_EQ(toUtf8(other.status), "网页控制台启动失败（端口 8765，错误 87）：参数错误。");
    EXPECT_EQ(toUtf8(listeningTexts(8765).status), "网页控制台已开启，端口 8765");
}
