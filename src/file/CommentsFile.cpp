#include "file/CommentsFile.h"

namespace kelvane {

std::string CommentsFilePath(const std::string& configPath) {
    return configPath.substr(0, configPath.size() < 3 ? 0 : configPath.size() - 3) + "RTF";
}

std::string CommentsText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\r\n");
    return text;
}

std::vector<std::string> CommentsLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        if (end > start && text[end - 1] == '\r') --end;
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

}  // namespace kelvane
