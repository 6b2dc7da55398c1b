#pragma once
#include <string>

#include "model/Data.h"
#include "routing/RoutingMap.h"

namespace kelvane {

// Where a call goes, in the editors' words: the over-door lights and
// sounders of its zones, the displays of its groups by day and at night and
// of the groups they divert to, each device with its place name.
std::string CallPathText(const TData& data, const RoutingMap& map, const Route& route);

// The reverse: the sources whose calls an output device, a zone or a group
// shows (a display also after a divert).
std::string ShownByDeviceText(const TData& data, const RoutingMap& map, int address);
std::string ShownByZoneText(const TData& data, const RoutingMap& map, int zone);
std::string ShownByGroupText(const TData& data, const RoutingMap& map, int group);

}  // namespace kelvane
