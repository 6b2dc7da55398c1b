#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvane::fuzz {

// One parser of outside input, driven with arbitrary bytes. A target returns
// normally for any input; a fault it finds shows as a crash, a sanitizer
// report or a failed check (which aborts).
using TargetFunction = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    std::string Name;  // the fuzz executable is fuzz_<Name>
    TargetFunction Run;
};

// Every target, in a fixed order.
const std::vector<Target>& Targets();
const Target* FindTarget(const std::string& name);

// The targets.
void IniFileText(const std::uint8_t* data, std::size_t size);
void ConfigFile(const std::uint8_t* data, std::size_t size);
void LinkFrames(const std::uint8_t* data, std::size_t size);
void LinkTraceBytes(const std::uint8_t* data, std::size_t size);
void SiteJson(const std::uint8_t* data, std::size_t size);
void LoadAnswers(const std::uint8_t* data, std::size_t size);
void SimulatorPackets(const std::uint8_t* data, std::size_t size);
void LogConverterLines(const std::uint8_t* data, std::size_t size);
void RtfReaderDocument(const std::uint8_t* data, std::size_t size);
void DeviceCsvText(const std::uint8_t* data, std::size_t size);

}  // namespace kelvane::fuzz
