#include "model/RepeaterList.h"

namespace kelvane {

void TRepeaterList::ResetToDefaults() {
    for (int n = 1; n <= kRepeaterCount; ++n) {
        Repeater(n).Name = "Repeater " + std::to_string(n);
        Repeater(n).Fitted = false;
    }
    PanelName = "Main Panel";
    Segment = 1;
}

}  // namespace kelvane
