#pragma once
// The on-screen log of the timed-play page: one row per event, time and text. The rows
// are not saved; the row limit is kept here, apart from the control that shows them.
#include <cstddef>
#include <string_view>

class LogView {
public:
    virtual ~LogView() = default;
    // `time` as formatLogTime gives it.
    virtual void showLogRow(std::u16string_view time, std::u16string_view text) = 0;
};

inline constexpr std::size_t maxLogRows = 256;

// A view holding at most maxLogRows rows: a row added to a full list empties it first,
// so the list never has to be trimmed row by row. Each new row is scrolled into view.
class LogRows : public LogView {
public:
    void showLogRow(std::u16string_view time, std::u16string_view text) final;

protected:
    virtual std::size_t rowCount() const = 0;
    virtual void removeAllRows() = 0;
    virtual void addRowInView(std::u16string_view time, std::u16string_view text) = 0;
};
