#include <cctype>

#include "file/IniFile.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"

namespace kelvane::fuzz {
namespace {

bool PlainName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// A value that reads back as written: one line, no blanks or quotes at its ends.
bool PlainValue(const std::string& value) {
    if (value.size() > IniFile::kMaxValueLength) return false;
    if (value.find_first_of("\r\n") != std::string::npos) return false;
    if (value.empty()) return true;
    const std::string ends = " \t\"'";
    return ends.find(value.front()) == std::string::npos && ends.find(value.back()) == std::string::npos;
}

}  // namespace

// The text of a private-profile file: the first bytes name a section, a key
// and a value to write, the rest is the file.
void IniFileText(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string section = in.Bytes(in.Byte() % 16);
    const std::string key = in.Bytes(in.Byte() % 16);
    const std::string value = in.Bytes(in.Byte() % 64);
    const std::string text = in.Rest();

    IniFile file(text);
    Check(file.Text() == text);  // every line keeps its bytes
    file.ReadString(section, key, "default");
    file.ReadInteger(section, key, 7);
    file.ReadBool(section, key, true);
    IniFile::ParseInteger(value);

    file.WriteString(section, key, value);
    file.WriteInteger(section, "n" + key, static_cast<int>(value.size()) - 32);
    const std::string written = file.Text();
    const IniFile again(written);
    Check(again.Text() == written);
    if (PlainName(section) && PlainName(key) && PlainValue(value)) {
        Check(again.ReadString(section, key, "\n") == value);
        Check(again.ReadInteger(section, "n" + key, 1000) == static_cast<int>(value.size()) - 32);
    }
}

}  // namespace kelvane::fuzz
