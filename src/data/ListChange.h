#pragma once
// What one change of a list did, told by the list's owner to whoever shows the list, so that a
// view redraws only those rows; and the views that listen.
#include <algorithm>
#include <vector>

struct ListChange {
    enum class Kind {
        changed,   // rows rewritten in place
        added,     // one row appended: rows holds its index
        removed,   // rows deleted, as numbered before the deletion
        moved,     // rows moved one place by step (-1 up, +1 down), as numbered before the move
        replaced,  // the whole list anew (a load, a sort, a restore)
    };
    Kind kind = Kind::replaced;
    std::vector<int> rows;  // ascending
    int step = 0;
    int list = 0;  // which list of an owner that keeps several
};

class ListObserver {
public:
    virtual ~ListObserver() = default;
    virtual void listChanged(const ListChange& change) = 0;
};

// The views of one owner's lists, told in the order they began to listen.
class ListObservers {
public:
    void add(ListObserver& observer) { observers_.push_back(&observer); }
    void remove(ListObserver& observer) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
    }
    void notify(const ListChange& change) const {
        // A copy: a view may stop listening while it is told.
        const std::vector<ListObserver*> observers = observers_;
        for (ListObserver* observer : observers) observer->listChanged(change);
    }

private:
    std::vector<ListObserver*> observers_;
};
