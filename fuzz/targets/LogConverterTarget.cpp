#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "fuzz/targets/ModelConsumers.h"
#include "log/LogConverter.h"
#include "log/LogFile.h"
#include "model/DeviceCatalogue.h"

namespace kelvane::fuzz {

// A log file as Convert reads it (rich text or plain text), converted into a
// new document's site, with "Update Custom Place Names" ticked or not by the
// first byte; then a site it changed is used as the program uses a converted
// one.
void LogConverterLines(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool updateCustomNames = (input.Byte() & 1) != 0;
    const std::vector<std::string> lines = LogLinesFromBytes(input.Rest());
    TData model;
    model.ResetToDefaults();
    const ConvertResult result = ConvertLog(lines, model, updateCustomNames);
    Check(result.Devices >= 0 && result.Groups >= 0 && result.Zones >= 0);
    Check(result.CustomNamesAdded >= 0 && result.CustomNamesAdded <= kCustomPlaceNameCount);
    Check(updateCustomNames || result.CustomNamesAdded == 0);
    Check(!result.Message.empty());
    if (result.Outcome == ConvertOutcome::NoData || result.Outcome == ConvertOutcome::NotFormatted)
        Check(!result.ModelChanged());
    if (result.ModelChanged() || result.CustomNamesAdded > 0) UseModel(model);
}

}  // namespace kelvane::fuzz
