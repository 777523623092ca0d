#pragma once
// The immediate-play page's operations on its list: the current item, the random cycle,
// deleting, sorting and shuffling. Moving rows uses data/RowMoves.h.
#include <random>
#include <string>
#include <vector>

#include "instant/InstantItem.h"

// "最多添加 300 个音频" as the add commands show it before they begin.
std::u16string instantCapacityMessage();
// The same limit told after an import that left files over.
std::u16string instantOverflowMessage();

// The index of the item marked current, or -1.
int currentIndex(const std::vector<InstantItem>& items);
// Marks item `index` current and no other; -1 marks none.
void markCurrent(std::vector<InstantItem>& items, int index);
// Every item may play again in random order.
void resetCycle(std::vector<InstantItem>& items);

// Deletes the selected rows (ascending) after resetting the cycle; true when the current item was
// among them, which leaves no item current.
bool deleteInstantItems(std::vector<InstantItem>& items, const std::vector<int>& selection);

enum class InstantSortKey { name, type };
// Stable, letter case ignored; items of one key keep their order. False with fewer than two items.
bool sortInstantItems(std::vector<InstantItem>& items, InstantSortKey key, bool descending);
bool shuffleInstantItems(std::vector<InstantItem>& items, std::mt19937& random);
