#pragma once
// A list view's rows as a view keeps them by applying only the changes its list's owner
// reports: if a report is wrong, the rows drift from the owner's list.
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "data/ListChange.h"

class MirroredList : public ListObserver {
public:
    using Rows = std::vector<std::u16string>;
    // `rowsNow` reads the owner's list as the rows it should show; `list` picks one of its lists.
    MirroredList(std::function<Rows()> rowsNow, int list = 0) : rowsNow_(std::move(rowsNow)), list_(list) {}

    void listChanged(const ListChange& change) override {
        if (change.list != list_) return;
        ++changes;
        const Rows now = rowsNow_();
        switch (change.kind) {
            case ListChange::Kind::replaced:
                rows = now;
                break;
            case ListChange::Kind::added:
                for (const int row : change.rows) {
                    if (row != static_cast<int>(rows.size())) wrongReports.push_back(u"added a row not at the end");
                    rows.push_back(now.at(static_cast<std::size_t>(row)));
                }
                break;
            case ListChange::Kind::changed:
                for (const int row : change.rows) rows.at(static_cast<std::size_t>(row)) = now.at(static_cast<std::size_t>(row));
                break;
            case ListChange::Kind::removed:
                for (auto row = change.rows.rbegin(); row != change.rows.rend(); ++row) rows.erase(rows.begin() + *row);
                break;
            case ListChange::Kind::moved:
                if (change.step < 0) {
                    for (const int row : change.rows) std::swap(rows.at(static_cast<std::size_t>(row - 1)), rows.at(static_cast<std::size_t>(row)));
                } else {
                    for (auto row = change.rows.rbegin(); row != change.rows.rend(); ++row) {
                        std::swap(rows.at(static_cast<std::size_t>(*row)), rows.at(static_cast<std::size_t>(*row + 1)));
                    }
                }
                break;
        }
    }

    Rows rows;
    int changes = 0;
    std::vector<std::u16string> wrongReports;

private:
    std::function<Rows()> rowsNow_;
    int list_;
};
