#pragma once
#include <ctime>
#include <fstream>
#include <string>

#include "comms/LinkTrace.h"

namespace kelvane::cli {

// Writes a link trace to a text file line by line as it is recorded, so the
// file holds everything up to the moment a transfer stops, however it stops.
class TraceFile {
public:
    // Creates the file with its heading; false when it cannot be written.
    bool Open(const std::string& path, const std::tm& started);
    // Switches recording on and writes every entry from now on; the trace
    // must not outlive this file.
    void Follow(LinkTrace& trace);
    // False when a line could not be written.
    bool Close();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::ofstream out_;
};

}  // namespace kelvane::cli
