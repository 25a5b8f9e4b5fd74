#include "view/RowClipboard.h"

bool RowClipboard::append(const Row &row)
{
    if (count() >= kCapacity)
        return false;
    m_rows.push_back(row);
    return true;
}
