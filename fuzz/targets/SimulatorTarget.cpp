#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "fuzz/targets/ModelConsumers.h"
#include "sim/ControllerRecords.h"
#include "sim/PanelSimulator.h"
#include "sim/SimPort.h"

namespace kelvane::fuzz {

// The simulated controller hearing anything on its line: an options byte
// (its link mode, an older version), then blocks of bytes each sent with a
// parity. Its configuration memory is then used as the program uses a site.
void SimulatorPackets(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t options = in.Byte();
    ManualClock clock;
    SimulatedLine line;
    TData memory;
    memory.ResetToDefaults();
    memory.SiteConfig.MainVersion = (options & 4) ? "07A00" : "08A00";
    sim::ControllerRecords records(memory);
    sim::LineEndPort controllerEnd(line.B());
    sim::SimulatorOptions simulator;
    simulator.LinkMode = options % 4 == 0 ? 1 : options % 4;
    sim::PanelSimulator panel(controllerEnd, clock, simulator, &records);
    line.A().Open("tool");
    while (!in.Empty()) {
        const std::uint8_t control = in.Byte();
        LineSettings settings;
        settings.Parity = static_cast<TComPortParity>(control % 5);
        line.A().Configure(settings);
        const std::string bytes = in.Bytes(in.Byte() % 64);
        line.A().Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        clock.Advance(control >> 3);
        panel.Service();
        std::uint8_t answers[512];
        while (line.A().Read(answers, sizeof answers) > 0) {
        }
    }
    UseModel(memory);
}

}  // namespace kelvane::fuzz
