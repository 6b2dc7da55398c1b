#include "model/GroupList.h"

namespace kelvane {

void TKGroupList::ResetToDefaults() {
    for (int g = 1; g <= kGroupCount; ++g) {
        TKGroup& group = Groups[static_cast<std::size_t>(g)];
        group.PrimaryAreaEquation = FilledEquation(kAreaEmpty);
        group.NightAreaEquation = FilledEquation(kAreaEmpty);
        group.DivertEquation = FilledEquation(kGroupEmpty);
        if (g <= 8) group.PrimaryAreaEquation[1] = g - 1;
    }
}

}  // namespace kelvane
