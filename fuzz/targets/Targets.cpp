#include "fuzz/targets/FuzzTargets.h"

namespace kelvane::fuzz {

const std::vector<Target>& Targets() {
    static const std::vector<Target> targets = {
        {"ini_file", IniFileText},
        {"config_file", ConfigFile},
        {"link_frames", LinkFrames},
        {"link_trace", LinkTraceBytes},
        {"site_json", SiteJson},
        {"load_answers", LoadAnswers},
        {"simulator_packets", SimulatorPackets},
        {"log_converter", LogConverterLines},
        {"rtf_reader", RtfReaderDocument},
        {"device_csv", DeviceCsvText},
    };
    return targets;
}

const Target* FindTarget(const std::string& name) {
    for (const Target& target : Targets()) {
        if (target.Name == name) return &target;
    }
    return nullptr;
}

}  // namespace kelvane::fuzz
