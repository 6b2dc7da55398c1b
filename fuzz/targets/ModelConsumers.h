#pragma once
#include "model/Data.h"

namespace kelvane::fuzz {

// Runs what the program does with a model that came from outside: the device
// rows, the equation texts, the listing, the save packets and the file
// writer, which must take any value the model can hold.
void UseModel(const TData& data);

}  // namespace kelvane::fuzz
