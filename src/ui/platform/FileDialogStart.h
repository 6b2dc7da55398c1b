#pragma once
#include <QFileDialog>
#include <optional>
#include <string>

#include "file/LastFolder.h"

namespace kelvane {

// Readies a new `dialog` to open where the user expects: in the folder of
// `current` with its name offered, or without a current file in the last
// folder used (the working folder before any) with no name offered.
void StartFileDialog(QFileDialog& dialog, const std::string& current, const LastFolder& last);

// Runs `dialog`: the full path of the file chosen (the file system's bytes),
// whose folder becomes the last folder used, or nothing when cancelled.
std::optional<std::string> RunFileDialog(QFileDialog& dialog, LastFolder& last);

}  // namespace kelvane
