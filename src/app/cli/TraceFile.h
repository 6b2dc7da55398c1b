#pragma once
#include <fstream>
#include <ostream>
#include <string>

#include "comms/LinkTrace.h"

namespace kelvane::cli {

// The help of the option every command on the controller link takes.
inline constexpr const char* kTraceOptionHelp =
    "--trace FILE writes the decoded link trace to FILE: every frame sent and\n"
    "received with its time, parity and checksum, ACK and NAK, text lines,\n"
    "time-outs and resends.\n";

// Writes a link trace to a text file line by line as it is recorded, so the
// file holds everything up to the moment a session stops, however it stops.
// With no file named it traces nothing.
class TraceFile {
public:
    // Creates the file at `path` with its heading; an empty path traces
    // nothing. False, with "Unable to write to PATH" on `err`, when the file
    // cannot be written.
    bool Open(const std::string& path, std::ostream& err);
    // Switches recording on and writes every entry from now on (nothing
    // without a file); the trace must not outlive this file.
    void Follow(LinkTrace& trace);
    // Closes the file; false, saying so on `err`, when a line could not be
    // written (the disk filled up): the trace is then incomplete.
    bool Close(std::ostream& err);

private:
    std::string path_;
    std::ofstream out_;
    bool failed_ = false;
};

}  // namespace kelvane::cli
