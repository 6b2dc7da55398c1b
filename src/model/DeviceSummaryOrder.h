#pragma once
#include <vector>

#include "model/Loop.h"

namespace kelvane {

// The orders of the Device Summary table, as the items of its sort box.
enum DeviceSortOrder { soDeviceNumber = 0, soDeviceType = 1 };

// The addresses that the Device Summary table lists, in its row order.
// By device number: 1 to 256. By device type: type codes 1 to 13, then the
// unfitted addresses (code 0), each code in ascending address; devices of
// other codes are not listed. With `fittedOnly` the unfitted addresses drop out.
std::vector<int> DeviceSummaryAddresses(const TKLoop& loop, DeviceSortOrder order, bool fittedOnly);

}  // namespace kelvane
