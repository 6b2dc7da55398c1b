#pragma once
#include "model/Data.h"

namespace kelvane::sim {

// Fills `data` with the simulator's default site: Rowan House, a small care
// home with three wings (areas A, B and C), each with eight bedrooms whose
// call points report into the wing's area and whose over-door lights sit in
// the wing's zone, a bathroom and a lounge call point per wing, a corridor
// display per wing, a monitoring point on the front door, a radio receiver
// and the network controller at address 1. Custom place names, client,
// installer and commissioning details are filled in; the controller's
// version allows 64 zones.
void BuildDemoSite(TData& data);

}  // namespace kelvane::sim
