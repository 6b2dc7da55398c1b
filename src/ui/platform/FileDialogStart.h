#pragma once
#include <QFileDialog>
#include <memory>
#include <optional>
#include <string>

#include "file/LastFolder.h"

namespace kelvane {

// A new dialog for files of one kind: named `name` (tests find it by it),
// titled `title`, listing the files of `filter` or all files, and giving a
// name typed without an extension `extension`.
std::unique_ptr<QFileDialog> NewFileKindDialog(QWidget* parent, const char* name, const char* title,
                                               const char* filter, const char* extension);

// Readies a new `dialog` to open where the user expects: in the folder of
// `current` with its name offered, or without a current file in the last
// folder used (the working folder before any) with no name offered.
void StartFileDialog(QFileDialog& dialog, const std::string& current, const LastFolder& last);

// Runs `dialog`: the full path of the file chosen (the file system's bytes),
// whose folder becomes the last folder used, or nothing when cancelled.
std::optional<std::string> RunFileDialog(QFileDialog& dialog, LastFolder& last);

}  // namespace kelvane
