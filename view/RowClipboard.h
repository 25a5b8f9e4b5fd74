#pragma once

#include "document/ListColumns.h"

#include <array>
#include <string>
#include <vector>

// The list's own store of copied rows (not the system clipboard): columns AM/PM to ch4 as
// shown, at most a full day of rows. It outlives weekday switches and Paste leaves it as is.
class RowClipboard {
public:
    static constexpr int kCapacity = 1440;
    static constexpr int kTexts = kColumnCount - 1;
    using Row = std::array<std::string, kTexts>;

    void clear() { m_rows.clear(); }
    // False when the clipboard is full.
    bool append(const Row &row);
    int count() const { return int(m_rows.size()); }
    const Row &row(int j) const { return m_rows.at(size_t(j)); }

private:
    std::vector<Row> m_rows;
};
