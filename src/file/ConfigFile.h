#pragma once
#include <cstdint>
#include <string>

#include "file/Document.h"
#include "file/IniFile.h"
#include "model/Data.h"

namespace kelvane {

inline constexpr const char* kNotValidConfigFileMessage =
    "The selected file is not a valid Kelvane Programming Tools file";
inline constexpr const char* kUnableToWritePrefix = "Unable to write to ";
inline constexpr const char* kUnableToReadPrefix = "Unable to read ";

// True when "FileType" in "Kelvane Header" is exactly "Prog Tools".
bool IsValidConfigFile(const IniFile& file);

// Fills the model and its comments from a file that passed the validity test:
// resets the model, reads every key (with the reader's default for a missing
// or unreadable one), loads the comments from the comments file beside
// `path` (none when it is missing), marks the custom names as changed and
// clears the modified state. Refilling the views is the caller's.
void ReadConfigFile(const IniFile& file, const std::string& path, TData& data, Document& document);

// No configuration file comes near this size; anything larger (a disk
// image, a sparse file) is refused before it is read.
inline constexpr std::uint64_t kMaxConfigFileBytes = 64u * 1024 * 1024;

enum class ConfigOpenStatus {
    Read,        // the model holds the file
    NotValid,    // not a configuration file (or too large to be one); the model is untouched
    Missing,     // nothing at that path; the model is untouched
    Unreadable,  // not a regular file, or not readable; the model is untouched
};

struct ConfigOpenResult {
    ConfigOpenStatus status = ConfigOpenStatus::Read;
    std::string message;  // for the user; empty when read
    bool Read() const { return status == ConfigOpenStatus::Read; }
};

// A configuration file tested but not yet read into a model: its bytes when
// it is one (status Read), otherwise why not.
struct ConfigFileContent {
    ConfigOpenResult test;
    std::string bytes;
};

// Reads the file at `path` and tests it: a regular file no larger than
// kMaxConfigFileBytes whose header marks it as a configuration file. The
// test does not parse the rest of the file, so junk is refused cheaply.
ConfigFileContent TestConfigFile(const std::string& path);
// Reads tested content into the model (see ReadConfigFile). Running out of
// memory on the way is reported as Unreadable, never thrown.
ConfigOpenResult ReadConfigContent(const ConfigFileContent& content, const std::string& path, TData& data,
                                   Document& document);

// Reads the file at `path` once, tests it and, when valid, reads it into the
// model. The document's path is left to the caller.
ConfigOpenResult OpenConfigFile(const std::string& path, TData& data, Document& document);
// Reads the file at `path` and tests it.
bool IsValidConfigFile(const std::string& path);

struct ConfigSaveResult {
    bool saved = false;
    std::string message;  // "Unable to write to " + the path that failed
};

// Writes the model to `path` and its comments beside it. The new file is
// built in memory on top of the file already there (so sections and keys we
// do not write are kept) and both files are replaced atomically. On success
// the document is no longer modified; on failure nothing on disk has
// changed and the document keeps its state. The document's path is left to
// the caller.
ConfigSaveResult WriteConfigFile(const std::string& path, const TData& data, Document& document);

// The entries of the model written into `file` in the file's order.
void WriteConfigEntries(const TData& data, IniFile& file);

}  // namespace kelvane
