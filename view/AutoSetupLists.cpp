#include "view/AutoSetupLists.h"

#include "schedule/TimeText.h"

namespace AutoSetupLists {

int selectionValue(int index)
{
    if (index < 0 || index >= int(kSelections.size()))
        return 0;
    return readNumber(kSelections[size_t(index)]);
}

} // namespace AutoSetupLists
