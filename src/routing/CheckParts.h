#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/Data.h"
#include "routing/RoutingMap.h"
#include "routing/SiteFinding.h"

namespace kelvane {

// The site checks by what they look at; each appends its findings in record
// order.
void CheckDevices(const TData& data, const RoutingMap& map, std::vector<SiteFinding>& findings);
void CheckZones(const TData& data, const RoutingMap& map, std::vector<SiteFinding>& findings);
void CheckGroups(const TData& data, const RoutingMap& map, std::vector<SiteFinding>& findings);
void CheckSettings(const TData& data, std::vector<SiteFinding>& findings);

// A `duplicate-member` warning for each member that `equation` holds in more
// than one slot; `what` names the equation ("the Area Equation of Zone 3").
void CheckDuplicates(EquationKind kind, const Equation& equation, const std::string& what,
                     FindingRecord record, std::vector<SiteFinding>& findings);

// The distinct members of an equation, ascending.
struct EquationMembers {
    std::array<int, kEquationTerms> values{};
    std::size_t count = 0;
    const int* begin() const { return values.data(); }
    const int* end() const { return values.data() + count; }
};
EquationMembers DistinctMembers(EquationKind kind, const Equation& equation);
bool HasMember(EquationKind kind, const Equation& equation);

}  // namespace kelvane
