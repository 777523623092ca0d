#include <gtest/gtest.h>

#include "shell/HtmlText.h"
#include "shell/PasteText.h"

TEST(PasteText, MultiLineEditsGetEveryBreakAsCrLf) {
    EXPECT_EQ(pasteText(u"a\nb\rc\r\nd\n\re", true), u"a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(pasteText(u"end\r", true), u"end\r\n");
}

TEST(PasteText, SingleLineEditsGetTheFirstLineOnly) {
    EXPECT_EQ(pasteText(u"上课铃\n下课铃", false), u"上课铃");
    EXPECT_EQ(pasteText(u"a\rb", false), u"a");
    EXPECT_EQ(pasteText(u"\nb", false), u"");
    EXPECT_EQ(pasteText(u"one line", false), u"one line");
}

TEST(HtmlText, PageBecomesParagraphsAndListLines) {
    const char* html =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>标题</title>"
        "<style>p { color: red }</style></head>\n<body>\n"
        "<h1>铃声不响</h1>\n<p>先看   三点：\n第一行</p><!-- 注释 <p>x</p> -->"
        "<ul><li>电脑 <b>睡眠</b></li><li>音量&amp;静音 &lt;设置&gt;&#x263A;&#36;</li></ul>"
        "<SCRIPT>alert(1)</SCRIPT><p>完<br>毕</p></body></html>";
    EXPECT_EQ(htmlToText(html),
              u"铃声不响\r\n\r\n先看 三点： 第一行\r\n\r\n· 电脑 睡眠\r\n· 音量&静音 <设置>\u263A$\r\n\r\n完\r\n毕");
}

TEST(HtmlText, UnknownOrBrokenEntitiesStayAsWritten) {
    EXPECT_EQ(htmlToText("A &foo; B & C &#xZZ;"), u"A &foo; B & C &#xZZ;");
}
