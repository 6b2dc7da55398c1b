#pragma once
#include <optional>
#include <string>
#include <vector>

#include "model/Data.h"
#include "transfer/SaveRecords.h"

namespace kelvane {

// The records a whole save sends: devices 1 to 255, zones 1 to 64, groups 1
// to 32, the site packets (the time aside) and custom names 1 to 45.
std::vector<SaveRecord> WholeSaveRecords();
// The records of one section save, by its transfer step (devices, zones,
// groups, the site chain or the custom names); none for any other step.
std::vector<SaveRecord> SectionSaveRecords(int step);

// What of `records` the controller would refuse, or cannot travel in its
// packet: a device type, place name or allocation out of range, an access
// code that is not four characters, a reset code longer than four, a mode
// time that does not read, a pager level the controller has not, a number
// too large for its byte. One clause per problem, naming the field and its
// value, in record order.
std::vector<std::string> SaveProblems(const TData& data, const std::vector<SaveRecord>& records);

// The message that stops a save before its first packet, or nothing when
// every value of `records` may be sent.
std::optional<std::string> SaveRefusal(const TData& data, const std::vector<SaveRecord>& records);

}  // namespace kelvane
