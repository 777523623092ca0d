#pragma once
// The columns of the pages' lists: titles, widths and alignment. The timed-play page's widths
// are pixels at 100 % display scaling, which the page multiplies by the display scale.
#include <array>
#include <string_view>

enum class ColumnAlign { left, centre, right };

struct ListColumn {
    std::u16string_view title;
    int width;
    ColumnAlign align;
};

inline constexpr std::array<ListColumn, 8> programListColumns{{
    {u"节目名称", 180, ColumnAlign::left},
    {u"状态", 85, ColumnAlign::centre},
    {u"开始时间 (可多个)", 165, ColumnAlign::left},
    {u"时长(遍首秒)", 100, ColumnAlign::right},
    {u"播放内容", 205, ColumnAlign::left},
    {u"音量", 50, ColumnAlign::right},
    {u"周几/几号", 110, ColumnAlign::left},
    {u"日期范围", 275, ColumnAlign::left},
}};

inline constexpr std::array<ListColumn, 3> nowPlayingColumns{{
    {u"节目名称", 180, ColumnAlign::left},
    {u"播放进度", 150, ColumnAlign::left},
    {u"当前音频", 320, ColumnAlign::left},
}};

// The log list shows no header.
inline constexpr std::array<ListColumn, 2> logListColumns{{
    {u"", 180, ColumnAlign::left},
    {u"", 200, ColumnAlign::left},
}};

// The plan view's starts and silent programs.
inline constexpr std::array<ListColumn, 5> planStartColumns{{
    {u"时间", 70, ColumnAlign::left},
    {u"节目名称", 160, ColumnAlign::left},
    {u"播放内容", 250, ColumnAlign::left},
    {u"时长(遍首秒)", 90, ColumnAlign::right},
    {u"播放方式", 90, ColumnAlign::left},
}};
inline constexpr std::array<ListColumn, 2> planSilentColumns{{
    {u"节目名称", 160, ColumnAlign::left},
    {u"不播原因", 500, ColumnAlign::left},
}};

// A logical size in pixels at the display's scale, truncated.
inline int scaledPixels(double logical, double uiScale) {
    return static_cast<int>(logical * uiScale);
}

// `percent` of `width` pixels, truncated: the share of a column whose width is a percentage.
inline int columnShare(int percent, int width) {
    return static_cast<int>(static_cast<long long>(width) * percent / 100);
}
