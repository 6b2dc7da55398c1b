#include "ui/window/DeviceCsvCommands.h"

#include <optional>

#include "file/AtomicWriter.h"
#include "file/DeviceCsvImport.h"
#include "file/DeviceCsvWriter.h"
#include "file/FileBytes.h"

namespace kelvane {

namespace {

// The site file's own name with .csv in place of its extension; empty for
// a new document.
std::string OfferedCsvPath(const std::string& sitePath) {
    if (sitePath.empty()) return {};
    const std::size_t slash = sitePath.find_last_of('/');
    const std::size_t dot = sitePath.find_last_of('.');
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (extension ? sitePath.substr(0, dot) : sitePath) + ".csv";
}

std::string Plural(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

DeviceCsvCommands::DeviceCsvCommands(TData& data, Document& document, Prompts& prompts, FileDialogs& dialogs)
    : data_(data), document_(document), prompts_(prompts), dialogs_(dialogs) {}

std::string DeviceCsvCommands::Export() {
    const std::optional<std::string> path = dialogs_.AskSavePath(OfferedCsvPath(document_.Path));
    if (!path) return {};
    AtomicWriter writer;
    if (!writer.Stage(*path, DeviceCsvText(data_)) || !writer.Commit()) {
        prompts_.Error("Unable to write to " + *path + ": " + writer.FailureReason());
        return {};
    }
    return "Exported the device list to " + *path;
}

std::string DeviceCsvCommands::Import() {
    const std::optional<std::string> path = dialogs_.AskOpenPath();
    if (!path) return {};
    const FileBytes csv = ReadFileBytes(*path, kMaxDeviceCsvBytes);
    if (csv.status == FileReadStatus::TooLarge) {
        prompts_.Error(*path + " is far too large for a device list. Nothing was imported.");
        return {};
    }
    if (csv.status != FileReadStatus::Read) {
        prompts_.Error("Unable to read " + *path + ": " + csv.reason);
        return {};
    }
    const DeviceCsvImport devices(csv.bytes, data_);
    if (!devices.Good()) {
        std::string text = "The device list " + *path + " has faults; no device was changed.\n";
        for (const DeviceCsvError& error : devices.Errors()) text += "\n" + error.Text();
        if (const std::size_t more = devices.ErrorCount() - devices.Errors().size(); more > 0)
            text += "\n" + Plural(more, "more fault") + " not shown";
        prompts_.Error(text);
        return {};
    }
    const int changed = devices.ApplyTo(data_);
    if (changed == 0) return "No device changed: the site already holds the device list " + *path;
    document_.Changed(kImportDevicesStep);
    return Plural(static_cast<std::size_t>(changed), "device") + " changed from " + *path;
}

}  // namespace kelvane
