#pragma once
#include <string>
#include <vector>

#include "compare/SiteDifference.h"
#include "model/Data.h"
#include "support/SiteSamples.h"

namespace kelvane::testing {

inline std::vector<std::string> Lines(const std::vector<SiteDifference>& differences) {
    std::vector<std::string> lines;
    for (const SiteDifference& difference : differences) lines.push_back(DifferenceLine(difference));
    return lines;
}

}  // namespace kelvane::testing
