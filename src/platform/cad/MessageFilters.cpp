#include "platform/cad/MessageFilters.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<AcedFilterWinMsgFn>& Filters() {
    static std::vector<AcedFilterWinMsgFn> filters;
    return filters;
}
} // namespace

bool acedRegisterFilterWinMsg(AcedFilterWinMsgFn filter) {
    auto& filters = Filters();
    if (!filter || std::find(filters.begin(), filters.end(), filter) != filters.end())
        return false;
    filters.push_back(filter);
    return true;
}

bool acedRemoveFilterWinMsg(AcedFilterWinMsgFn filter) {
    auto& filters = Filters();
    auto found = std::find(filters.begin(), filters.end(), filter);
    if (found == filters.end())
        return false;
    filters.erase(found);
    return true;
}

namespace cad {

bool FilterWindowMessage(MSG& message) {
    std::vector<AcedFilterWinMsgFn> filters = Filters();
    return std::any_of(filters.begin(), filters.end(),
                       [&](AcedFilterWinMsgFn filter) { return filter(&message); });
}

int RegisteredFilterCount() {
    return static_cast<int>(Filters().size());
}

} // namespace cad
