#include "file/AtomicWriter.h"
#include "file/CommentsFile.h"
#include "file/ConfigFile.h"
#include "file/ConfigKeys.h"
#include "file/FileBytes.h"
#include "file/SiteFields.h"

namespace kelvane {
namespace {

using namespace config;

void WriteDevices(const TKLoop& loop, IniFile& file) {
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const std::string key = DeviceKey(n);
        const TKDeviceType& device = loop.Device(n);
        file.WriteInteger(kDetectorNamesSection, key, device.PlaceNameIndex);
        file.WriteString(kDetectorNamesSection, SuffixKey(n), device.Suffix);
        file.WriteInteger(kDetectorTypeSection, key, device.DeviceType);
        file.WriteInteger(kDetectorZoneSection, key, device.Allocation);
        file.WriteInteger(kDetectorEnabledSection, key, device.Enabled);
    }
}

void WriteZones(const TKZoneList& zones, IniFile& file) {
    for (int z = 1; z <= kZoneCount; ++z) {
        const TKZone& zone = zones.Zones[static_cast<std::size_t>(z)];
        file.WriteString(kZoneConfigSection, ZoneNameKey(z), zone.Name);
        for (int n = 1; n <= kEquationTerms; ++n) {
            const auto entry = static_cast<std::size_t>(n);
            file.WriteInteger(kZoneConfigSection, ZoneEntryKey(z, 'A', n), zone.AreaEquation[entry]);
            file.WriteInteger(kZoneConfigSection, ZoneEntryKey(z, 'Z', n), zone.DeviceEquation[entry]);
        }
    }
}

void WriteGroups(const TKGroupList& groups, IniFile& file) {
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& group = groups.Groups[static_cast<std::size_t>(g)];
        for (int n = 1; n <= kEquationTerms; ++n) {
            const auto entry = static_cast<std::size_t>(n);
            file.WriteInteger(kGroupConfigSection, GroupEntryKey(g, 'P', n),
                              group.PrimaryAreaEquation[entry]);
            file.WriteInteger(kGroupConfigSection, GroupEntryKey(g, 'N', n), group.NightAreaEquation[entry]);
            file.WriteInteger(kGroupConfigSection, GroupEntryKey(g, 'D', n), group.DivertEquation[entry]);
        }
    }
}

void WriteCustomNames(const TCustomNameList& names, IniFile& file) {
    for (int n = 1; n <= names.Count(); ++n)
        file.WriteString(kCustomNamesSection, CustomNameKey(n), names.Item(n - 1).Name);
}

void WriteSiteSettings(const TKSiteConfig1& site, IniFile& file) {
    for (const SiteTextField& field : kSiteTextFields)
        file.WriteString(field.section, field.key, site.*field.member);
    for (const SiteBoolField& field : kSiteBoolFields) {
        if (field.section) file.WriteBool(field.section, field.key, site.*field.member);
    }
    for (const SiteIntField& field : kSiteIntFields)
        file.WriteInteger(field.section, field.key, site.*field.member);
}

void WriteNetwork(const TRepeaterList& network, IniFile& file) {
    for (int n = 1; n <= kRepeaterCount; ++n) {
        const std::string key = RepeaterKey(n);
        file.WriteString(kRepeaterNameSection, key, network.Repeater(n).Name);
        file.WriteBool(kRepeaterFittedSection, key, network.Repeater(n).Fitted);
    }
    file.WriteString(kNetworkConfigSection, kPanelNameKey, network.PanelName);
    file.WriteInteger(kNetworkConfigSection, kSegmentNumberKey, network.Segment);
}

}  // namespace

void WriteConfigEntries(const TData& data, IniFile& file) {
    file.WriteString(kHeaderSection, kFileTypeKey, kFileTypeMark);
    file.WriteString(kHeaderSection, kMainVersionKey, data.GetMainVersion());
    WriteDevices(data.Loop, file);
    WriteZones(data.ZoneList, file);
    WriteGroups(data.GroupList, file);
    WriteCustomNames(data.CustomNames, file);
    WriteSiteSettings(data.SiteConfig, file);
    WriteNetwork(data.RepeaterList, file);
}

ConfigSaveResult WriteConfigFile(const std::string& path, const TData& data, Document& document) {
    const auto failed = [](const std::string& failedPath) {
        return ConfigSaveResult{false, kUnableToWritePrefix + failedPath};
    };
    // The new file is the old one with our entries updated, so anything else
    // that was in it survives the save.
    // Nothing that is not a regular file, or is too large to be a
    // configuration file, is written over.
    const FileBytes old = ReadFileBytes(path, kMaxConfigFileBytes);
    if (old.status != FileReadStatus::Read && old.status != FileReadStatus::Missing) return failed(path);
    IniFile file(old.bytes);
    WriteConfigEntries(data, file);

    AtomicWriter writer;
    if (!writer.Stage(path, file.Text()) ||
        !writer.Stage(CommentsFilePath(path), CommentsText(data.Comments)) || !writer.Commit()) {
        return failed(writer.FailedPath());
    }
    document.SetModified(false);
    return {true, ""};
}

}  // namespace kelvane
