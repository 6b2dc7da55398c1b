#include "fuzz/targets/ModelConsumers.h"

#include "app/cli/SiteListing.h"
#include "file/ConfigFile.h"
#include "file/IniFile.h"
#include "fuzz/targets/FuzzInput.h"
#include "model/DeviceSummaryRow.h"
#include "model/EquationText.h"
#include "transfer/SavePackets.h"

namespace kelvane::fuzz {

void UseModel(const TData& data) {
    for (int n = 1; n <= kLoopDeviceCount; ++n) DeviceSummaryRow(data, n);
    for (const TKZone& zone : data.ZoneList.Zones) {
        AreaEquationText(zone.AreaEquation);
        DeviceEquationText(zone.DeviceEquation);
    }
    for (const TKGroup& group : data.GroupList.Groups) {
        AreaEquationText(group.PrimaryAreaEquation);
        AreaEquationText(group.NightAreaEquation);
        DivertEquationText(group.DivertEquation);
    }
    cli::SiteListing(data);

    const SavePackets packets(data);
    for (int n = 1; n <= kLoopDeviceCount; ++n) packets.Device(n);
    for (int z = 1; z <= kZoneCount; ++z) packets.Zone(z);
    for (int g = 1; g <= kGroupCount; ++g) packets.Group(g);
    packets.AttackCode();
    packets.AccessCodes();
    packets.CallCode();
    packets.NightMode();
    packets.Timeouts();
    packets.Logger();
    packets.Pager();
    packets.Emergency();
    for (int k = 1; k <= data.CustomNames.Count() + 1; ++k) packets.CustomName(k);

    IniFile file;
    WriteConfigEntries(data, file);
    Check(IniFile(file.Text()).Text() == file.Text());
}

}  // namespace kelvane::fuzz
