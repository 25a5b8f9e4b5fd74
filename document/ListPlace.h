#pragma once

#include <vector>

// Where the operator was in the list: the shown day, the selected rows and the current cell
// (-1 when there is none). Undo and redo bring it back with the rows.
struct ListPlace {
    int day = 1;
    std::vector<int> selectedRows;
    int currentRow = -1;
    int currentColumn = -1;
    // The row the selection was anchored at (Insert goes above it); -1 for the first selected.
    int mark = -1;

    bool operator==(const ListPlace &) const = default;
};
