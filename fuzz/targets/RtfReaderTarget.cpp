#include <string_view>

#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "log/LogFile.h"
#include "log/RtfReader.h"
#include "log/RtfWriter.h"

namespace kelvane::fuzz {

// A rich-text document as Load Log from Disk reads it. Whatever lines it
// gives, the log written from them reads back as the same lines, as does
// the input itself split into lines and written as a log.
void RtfReaderDocument(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = ReadRtfLines(bytes);
    Check(ReadRtfLines(WriteRtfLog(lines)) == lines);

    const std::vector<std::string> written = SplitPlainTextLines(bytes);
    Check(LogLinesFromBytes(WriteRtfLog(written)) == written);
}

}  // namespace kelvane::fuzz
