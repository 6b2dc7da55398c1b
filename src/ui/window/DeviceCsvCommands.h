#pragma once
#include <string>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"
#include "ui/platform/FileDialogs.h"

namespace kelvane {

inline constexpr const char* kImportDevicesStep = "Import Devices";

// File > Export Devices (CSV)... and File > Import Devices (CSV)...: the
// device list as a spreadsheet opens it, written from the model or read
// back into it. The files are chosen through `dialogs`; faults are told
// through the prompts.
class DeviceCsvCommands {
public:
    DeviceCsvCommands(TData& data, Document& document, Prompts& prompts, FileDialogs& dialogs);

    // Writes the device list to a chosen file. Returns what the status bar
    // says of it; empty when nothing was written.
    std::string Export();
    // Reads a chosen device list and checks every row against the site;
    // only a list without faults changes the devices, as one step, and a
    // list with faults is refused whole with the line and column of each
    // (the first twenty). Returns what the status bar says of it; empty
    // when nothing was read.
    std::string Import();

private:
    TData& data_;
    Document& document_;
    Prompts& prompts_;
    FileDialogs& dialogs_;
};

}  // namespace kelvane
