#include "file/DeviceCsvImport.h"
#include "file/DeviceCsvWriter.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"

namespace kelvane::fuzz {

// A device list read from CSV: the first byte chooses the site's zone range,
// the rest is the file. A good list, once applied, exports as a list that
// reads back good and changes nothing; a faulty one changes nothing.
void DeviceCsvText(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    TData site;
    site.ResetToDefaults();
    if (in.Byte() % 2 == 1) site.SiteConfig.MainVersion = "07A00";
    const std::string text = in.Rest();

    const DeviceCsvImport import(text, site);
    Check(import.Errors().size() <= DeviceCsvImport::kErrorsKept);
    Check(import.Errors().size() <= import.ErrorCount());
    for (const DeviceCsvError& error : import.Errors()) Check(error.Line >= 1 && error.Column >= 1);
    if (!import.Good()) {
        Check(import.Rows().empty());
        Check(import.ApplyTo(site) == 0);
        return;
    }
    import.ApplyTo(site);
    const DeviceCsvImport again(kelvane::DeviceCsvText(site), site);
    Check(again.Good());
    Check(again.ApplyTo(site) == 0);
}

}  // namespace kelvane::fuzz
