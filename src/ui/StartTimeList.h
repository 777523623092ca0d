#pragma once
// The rules of the start-time dialogs: the list box of times (kept in text order, no
// duplicates, at most 512 on OK) and the batch generator.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "data/DateTime.h"
#include "data/InputValidation.h"

// The batch dialog's interval edit, the one field its check can fail on.
enum class BatchField { interval };
using BatchFailure = InputFailure<BatchField>;

// The texts of the dialog's sorted list box, as the Win32 list box holds them.
class StartTimeList {
public:
    explicit StartTimeList(const std::vector<TimeOfDay>& times = {});

    // The index of the time's text after adding it, and whether it was there already.
    struct Added {
        int index;
        bool existed;
    };
    Added add(const TimeOfDay& time);
    // Removes the items at the given indexes.
    void remove(std::vector<int> indexes);
    void clear() { texts_.clear(); }

    const std::vector<std::u16string>& texts() const { return texts_; }

    // On OK: more than 512 items refuse with the message; otherwise the times read back from
    // the texts, skipping any that is not a valid time of day.
    std::variant<std::vector<TimeOfDay>, std::u16string> finish() const;

private:
    std::vector<std::u16string> texts_;
};

inline constexpr std::u16string_view timeExistsMessage = u"该时间点已存在\n\n ";
inline constexpr std::u16string_view deleteNeedsSelectionMessage = u"删除 - 请先选中时间点\n\n ";
inline constexpr std::u16string_view clearQuestion = u"确定清空 ？\n\n ";

// The batch generator: every step from `from` through `to` (both with milliseconds 0), the
// step being the interval in minutes (0.2 to 1440, two decimals) times 60, in whole seconds.
std::variant<std::vector<TimeOfDay>, BatchFailure> generateStartTimes(const DateTime& from, const DateTime& to,
                                                                      std::u16string_view intervalText);

// The editor's summary: startTimeSummary plus a hint when the list holds exactly one time.
std::u16string editorStartTimeSummary(const std::vector<TimeOfDay>& times);
