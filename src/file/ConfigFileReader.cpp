#include <cerrno>
#include <cstring>
#include <new>

#include "file/CommentsFile.h"
#include "file/ConfigFile.h"
#include "file/ConfigKeys.h"
#include "file/FileBytes.h"
#include "file/SiteFields.h"
#include "model/DeviceCatalogue.h"

namespace kelvane {
namespace {

using namespace config;

void ReadDevices(const IniFile& file, TKLoop& loop) {
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const std::string key = DeviceKey(n);
        TKDeviceType& device = loop.Device(n);
        device.PlaceNameIndex = file.ReadInteger(kDetectorNamesSection, key, 0);
        device.Suffix = file.ReadString(kDetectorNamesSection, SuffixKey(n), "");
        device.DeviceType = file.ReadInteger(kDetectorTypeSection, key, 0);
        device.Allocation = file.ReadInteger(kDetectorZoneSection, key, 0);
        device.Enabled = file.ReadInteger(kDetectorEnabledSection, key, 0);
        // Over-door lights and sounders must name a real zone; other
        // allocations are taken as they are.
        if (device.DeviceType == dtOverDoorLight &&
            (device.Allocation < 0 || device.Allocation > kZoneCount)) {
            device.Allocation = 0;
        }
    }
}

void ReadZones(const IniFile& file, TKZoneList& zones) {
    for (int z = 1; z <= kZoneCount; ++z) {
        TKZone& zone = zones.Zones[static_cast<std::size_t>(z)];
        zone.Name = file.ReadString(kZoneConfigSection, ZoneNameKey(z), Numbered("Zone ", z));
        for (int n = 1; n <= kEquationTerms; ++n) {
            const auto entry = static_cast<std::size_t>(n);
            zone.AreaEquation[entry] =
                file.ReadInteger(kZoneConfigSection, ZoneEntryKey(z, 'A', n), kAreaEmpty);
            zone.DeviceEquation[entry] =
                file.ReadInteger(kZoneConfigSection, ZoneEntryKey(z, 'Z', n), kDeviceEmpty);
        }
    }
}

void ReadGroups(const IniFile& file, TKGroupList& groups) {
    for (int g = 1; g <= kGroupCount; ++g) {
        TKGroup& group = groups.Groups[static_cast<std::size_t>(g)];
        for (int n = 1; n <= kEquationTerms; ++n) {
            const auto entry = static_cast<std::size_t>(n);
            group.PrimaryAreaEquation[entry] =
                file.ReadInteger(kGroupConfigSection, GroupEntryKey(g, 'P', n), kAreaEmpty);
            group.NightAreaEquation[entry] =
                file.ReadInteger(kGroupConfigSection, GroupEntryKey(g, 'N', n), kAreaEmpty);
            // 256 is read as an empty entry, as every value from 32 up is.
            group.DivertEquation[entry] =
                file.ReadInteger(kGroupConfigSection, GroupEntryKey(g, 'D', n), kDeviceEmpty);
        }
    }
}

void ReadCustomNames(const IniFile& file, TCustomNameList& names) {
    for (int n = 1; n <= names.Count(); ++n) {
        names.Item(n - 1).Name =
            file.ReadString(kCustomNamesSection, CustomNameKey(n), Numbered("Custom ", n));
    }
}

void ReadSiteSettings(const IniFile& file, TKSiteConfig1& site) {
    for (const SiteTextField& field : kSiteTextFields) {
        site.*field.member = file.ReadString(field.section, field.key, field.readerDefault);
    }
    for (const SiteBoolField& field : kSiteBoolFields) {
        if (field.section) site.*field.member = file.ReadBool(field.section, field.key, field.readerDefault);
    }
    for (const SiteIntField& field : kSiteIntFields) {
        site.*field.member = file.ReadInteger(field.section, field.key, field.readerDefault);
    }
}

void ReadNetwork(const IniFile& file, TRepeaterList& network) {
    for (int n = 1; n <= kRepeaterCount; ++n) {
        const std::string key = RepeaterKey(n);
        network.Repeater(n).Name = file.ReadString(kRepeaterNameSection, key, "");
        network.Repeater(n).Fitted = file.ReadBool(kRepeaterFittedSection, key, false);
    }
    network.PanelName = file.ReadString(kNetworkConfigSection, kPanelNameKey, "Main Panel");
    network.Segment = file.ReadInteger(kNetworkConfigSection, kSegmentNumberKey, 1);
}

void ReadComments(const std::string& configPath, std::vector<std::string>& comments) {
    const FileBytes text = ReadFileBytes(CommentsFilePath(configPath), kMaxConfigFileBytes);
    comments = text.status == FileReadStatus::Read ? CommentsLines(text.bytes) : std::vector<std::string>{};
}

}  // namespace

bool IsValidConfigFile(const IniFile& file) {
    return file.ReadString(kHeaderSection, kFileTypeKey, "") == kFileTypeMark;
}

void ReadConfigFile(const IniFile& file, const std::string& path, TData& data, Document& document) {
    // The loop is always an Apollo loop here, whatever "Loop"/"Type" says.
    data.Loop.SystemType = stApolloLoop;
    data.ResetToDefaults();
    ReadDevices(file, data.Loop);
    ReadZones(file, data.ZoneList);
    ReadGroups(file, data.GroupList);
    ReadCustomNames(file, data.CustomNames);
    document.CustomNamesChanged = true;
    ReadSiteSettings(file, data.SiteConfig);
    ReadNetwork(file, data.RepeaterList);
    ReadComments(path, data.Comments);
    data.SiteConfig.MainVersion = file.ReadString(kHeaderSection, kMainVersionKey, kVersionNotAvailable);
    document.SetModified(false);
}

ConfigFileContent TestConfigFile(const std::string& path) {
    ConfigFileContent content;
    FileBytes file = ReadFileBytes(path, kMaxConfigFileBytes);
    switch (file.status) {
        case FileReadStatus::Read:
            break;
        case FileReadStatus::TooLarge:
            content.test = {ConfigOpenStatus::NotValid, kNotValidConfigFileMessage};
            return content;
        case FileReadStatus::Missing:
        case FileReadStatus::Unreadable:
            content.test = {file.status == FileReadStatus::Missing ? ConfigOpenStatus::Missing
                                                                   : ConfigOpenStatus::Unreadable,
                            kUnableToReadPrefix + path + ": " + file.reason};
            return content;
    }
    if (IniFile::ValueIn(file.bytes, kHeaderSection, kFileTypeKey) != std::string_view(kFileTypeMark)) {
        content.test = {ConfigOpenStatus::NotValid, kNotValidConfigFileMessage};
        return content;
    }
    content.bytes = std::move(file.bytes);
    return content;
}

ConfigOpenResult ReadConfigContent(const ConfigFileContent& content, const std::string& path, TData& data,
                                   Document& document) {
    if (!content.test.Read()) return content.test;
    try {
        ReadConfigFile(IniFile(content.bytes), path, data, document);
    } catch (const std::bad_alloc&) {
        return {ConfigOpenStatus::Unreadable, kUnableToReadPrefix + path + ": " + std::strerror(ENOMEM)};
    }
    return {};
}

ConfigOpenResult OpenConfigFile(const std::string& path, TData& data, Document& document) {
    return ReadConfigContent(TestConfigFile(path), path, data, document);
}

bool IsValidConfigFile(const std::string& path) {
    return TestConfigFile(path).test.Read();
}

}  // namespace kelvane
