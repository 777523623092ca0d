#pragma once
// The on-screen log as a list of rows, under the same row limit as the page's list view.
#include <string>
#include <vector>

#include "scheduler/LogView.h"

class RecordingLogView : public LogRows {
public:
    struct Row {
        std::u16string time;
        std::u16string text;
    };
    std::vector<Row> rows;

protected:
    std::size_t rowCount() const override { return rows.size(); }
    void removeAllRows() override { rows.clear(); }
    void addRowInView(std::u16string_view time, std::u16string_view text) override {
        rows.push_back({std::u16string(time), std::u16string(text)});
    }
};
