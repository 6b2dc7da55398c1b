#include "file/ConfigFile.h"
#include "file/Document.h"
#include "file/IniFile.h"
#include "fuzz/targets/FuzzTargets.h"
#include "fuzz/targets/ModelConsumers.h"

namespace kelvane::fuzz {

// A configuration file as the program opens it, then used as the program
// uses what it read. Its comments file is never there.
void ConfigFile(const std::uint8_t* data, std::size_t size) {
    const IniFile file(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!IsValidConfigFile(file)) return;
    TData model;
    Document document;
    ReadConfigFile(file, "/nonexistent/kelvane-fuzz/site.KCF", model, document);
    UseModel(model);
}

}  // namespace kelvane::fuzz
