#pragma once
#include <QStringList>

#include "model/CustomNameList.h"

namespace kelvane {

// The texts of the standard place-name list: the 41 names in index order.
QStringList StandardPlaceNameTexts();
// The texts of a custom place-name list: the 45 custom names in order; a
// position the site has no name for is empty.
QStringList CustomPlaceNameTexts(const TCustomNameList& names);

}  // namespace kelvane
