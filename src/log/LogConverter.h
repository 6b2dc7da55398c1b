#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/Data.h"

namespace kelvane {

inline constexpr const char* kNoDataToConvert =
    "There is no data to convert, or it may be incorrectly formatted.";
inline constexpr const char* kDataIncorrectlyFormatted = "The data is incorrectly formatted.";
inline constexpr const char* kDataConverted = "The data has been converted";

enum class ConvertOutcome {
    Converted,     // every section was read to its end
    NoData,        // the log is empty
    NotFormatted,  // no line of the log carries a record number
    Stopped,       // a record could not be read; the ones before it were converted
};

struct ConvertResult {
    ConvertOutcome Outcome = ConvertOutcome::Converted;
    // The message for the user: the system's text, or for a stop the line
    // number, the reason and the line, then what became of the records before it.
    std::string Message;
    // For a stop: the line number, the reason and the line alone.
    std::string StopReport;
    // Records written into the model, and custom place names assigned.
    int Devices = 0;
    int Groups = 0;
    int Zones = 0;
    int CustomNamesAdded = 0;

    bool ModelChanged() const { return Devices + Groups + Zones > 0; }
};

// Reads a configuration printout held in the event log back into the site:
// a device section, then a group section, then a zone section, each a run of
// numbered lines ended by a line of two or more characters without a number
// (a header, the number 999) or by the end of the log. A record is written
// only once all of it has been read, so a record that stops the conversion
// leaves its device, group or zone as it was.
class TLogConverter {
public:
    // `updateCustomNames`: "Update Custom Place Names" was ticked, so a place
    // name the lookup does not find becomes the next custom place name.
    TLogConverter(TData& data, bool updateCustomNames) : data_(data), updateCustomNames_(updateCustomNames) {}

    // The place-name code of a trimmed place-name text: the first standard
    // name (codes 1 to 40) that contains it, else 41 plus the index of the
    // first custom name that contains it, else 0. An empty text gives 0.
    int FindPlaceNameCode(std::string_view text) const;

    // One record line into the model. Empty when it was written, otherwise
    // why it could not be (and nothing of it was written).
    std::string ConvertDeviceRecord(const std::string& line);
    std::string ConvertGroupRecord(const std::string& line);
    std::string ConvertZoneRecord(const std::string& line);

    // The whole conversion of `lines`; starts by setting CustomNamesAdded to 0.
    ConvertResult ConvertLog(const std::vector<std::string>& lines);

    // Custom place names assigned by the current conversion.
    int CustomNamesAdded = 0;

private:
    using RecordConverter = std::string (TLogConverter::*)(const std::string&);
    struct SectionEnd {
        std::size_t EndingLine;  // the line that ended the section, or the line count
        std::string Error;       // why a record stopped the conversion
        std::size_t ErrorLine = 0;
    };
    SectionEnd ConvertSection(const std::vector<std::string>& lines, std::size_t first,
                              RecordConverter convert, int& converted);

    TData& data_;
    bool updateCustomNames_;
};

// Converts `lines` into `data` (see TLogConverter).
ConvertResult ConvertLog(const std::vector<std::string>& lines, TData& data, bool updateCustomNames);

}  // namespace kelvane
