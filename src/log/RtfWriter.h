#pragma once
#include <string>
#include <vector>

#include "core/Progress.h"

namespace kelvane {

// An event log as a rich-text document: a header, a font table with the
// log's fixed-pitch font, and one paragraph a line. "\", "{" and "}" are
// escaped, a tab is written as \tab, and every other byte below 32 or above
// 127 as \'hh, so that every byte of every line reads back as it was.
// `progress` is told of the lines written; when it stops the writing, what
// was written comes back.
std::string WriteRtfLog(const std::vector<std::string>& lines, Progress* progress = nullptr);

}  // namespace kelvane
