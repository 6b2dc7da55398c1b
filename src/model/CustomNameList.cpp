#include "model/CustomNameList.h"

namespace kelvane {

int TCustomNameList::AddCustomName() {
    names_.push_back(TKCustomPlaceNames{"Custom " + std::to_string(names_.size() + 1)});
    return Count() - 1;
}

}  // namespace kelvane
