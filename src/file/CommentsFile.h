#pragma once
#include <string>
#include <vector>

namespace kelvane {

// The site's comments live beside the configuration file, in a plain text
// file whose path is the configuration file's path with its last three
// characters replaced by "RTF" (Ward.KCF -> Ward.RTF, cfg.txt -> cfg.RTF).
std::string CommentsFilePath(const std::string& configPath);

// Every line followed by CR LF; no lines give an empty text.
std::string CommentsText(const std::vector<std::string>& lines);
// The lines of a comments text; a line ends at LF (a CR before it is dropped)
// and a last line without an ending still counts.
std::vector<std::string> CommentsLines(const std::string& text);

}  // namespace kelvane
