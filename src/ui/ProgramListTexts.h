#pragma once
// What the timed-play page says about its program list's commands.
#include <string_view>

// The page's messages for commands that need a selection.
inline constexpr std::u16string_view modifyNeedsSelection = u"修改 - 请先选中节目";
inline constexpr std::u16string_view deleteNeedsSelection = u"删除 - 请先选中节目";
inline constexpr std::u16string_view enableNeedsSelection = u"启用 - 请先选中节目";
inline constexpr std::u16string_view disableNeedsSelection = u"禁用 - 请先选中节目";
inline constexpr std::u16string_view playNowNeedsSelection = u"立即播此节目 - 请先选中节目";
inline constexpr std::u16string_view deleteQuestion = u"确定删除 ？";
inline constexpr std::u16string_view disabledPlayingWarning =
    u"节目禁用 - 不影响 {正在播}\n\n终止正在播放：\n参看下方的 {正在播} 列表框\n\n ";
