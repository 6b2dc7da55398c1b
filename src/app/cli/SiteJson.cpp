#include "app/cli/SiteJson.h"

#include <QJsonArray>
#include <cmath>
#include <limits>
#include <set>

#include "file/SiteFields.h"
#include "model/Latin1Text.h"
#include "qt/Latin1.h"

namespace kelvane::cli {
namespace {

QJsonArray EquationJson(const Equation& equation) {
    QJsonArray entries;
    for (int n = 1; n <= kEquationTerms; ++n) entries.append(equation[static_cast<std::size_t>(n)]);
    return entries;
}

// Reads the fields of one JSON object, naming the field in every error.
class FieldReader {
public:
    FieldReader(const QJsonObject& object, std::string where, std::string& error)
        : object_(object), where_(std::move(where)), error_(error) {}

    bool Text(const char* name, std::string& out) const {
        return TextValue(name, object_.value(QLatin1String(name)), out);
    }

    bool TextValue(const std::string& name, const QJsonValue& value, std::string& out) const {
        if (!value.isString()) return Fail(name, value, "a string");
        Latin1Text text = ToLatin1Text(value.toString().toStdU32String());
        if (text.Refused) {
            return Fail(name, "holds the character " + CharacterName(*text.Refused) +
                                  ", which a site configuration cannot hold (Latin-1 text only)");
        }
        out = std::move(text.Bytes);
        return true;
    }

    bool Integer(const char* name, int& out) const {
        return IntegerValue(name, object_.value(QLatin1String(name)), out);
    }

    bool Boolean(const char* name, bool& out) const {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (!value.isBool()) return Fail(name, value, "true or false");
        out = value.toBool();
        return true;
    }

    bool Object(const char* name, QJsonObject& out) const {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (!value.isObject()) return Fail(name, value, "an object");
        out = value.toObject();
        return true;
    }

    bool Array(const char* name, qsizetype size, QJsonArray& out) const {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (!value.isArray()) return Fail(name, value, "an array");
        out = value.toArray();
        if (size >= 0 && out.size() != size) {
            return Fail(name,
                        "must have " + std::to_string(size) + " entries, not " + std::to_string(out.size()));
        }
        return true;
    }

    bool Equation(const char* name, kelvane::Equation& out) const {
        QJsonArray entries;
        if (!Array(name, kEquationTerms, entries)) return false;
        for (int n = 1; n <= kEquationTerms; ++n) {
            const std::string entry = std::string(name) + "[" + std::to_string(n - 1) + "]";
            if (!IntegerValue(entry, entries[n - 1], out[static_cast<std::size_t>(n)])) return false;
        }
        return true;
    }

    // The object's number field (1..count), which must not repeat.
    bool Number(const char* name, int count, std::set<int>& seen, int& out) const {
        if (!Integer(name, out)) return false;
        if (out < 1 || out > count) return Fail(name, "must be 1 to " + std::to_string(count));
        if (!seen.insert(out).second) return Fail(name, std::to_string(out) + " appears twice");
        return true;
    }

    std::string Where(const std::string& name) const { return where_.empty() ? name : where_ + "." + name; }

    bool Fail(const std::string& name, const std::string& reason) const {
        error_ = Where(name) + ": " + reason;
        return false;
    }

private:
    bool IntegerValue(const std::string& name, const QJsonValue& value, int& out) const {
        const double number = value.toDouble();
        if (!value.isDouble() || std::floor(number) != number || number < std::numeric_limits<int>::min() ||
            number > std::numeric_limits<int>::max()) {
            return Fail(name, value, "an integer");
        }
        out = static_cast<int>(number);
        return true;
    }

    bool Fail(const std::string& name, const QJsonValue& value, const char* expected) const {
        return Fail(name, value.isUndefined() ? std::string("missing") : std::string("expected ") + expected);
    }

    QJsonObject object_;  // shared, not copied
    std::string where_;
    std::string& error_;
};

std::string ItemWhere(const char* list, qsizetype index) {
    return std::string(list) + "[" + std::to_string(index) + "]";
}

bool ObjectAt(const QJsonArray& list, const char* listName, qsizetype index, QJsonObject& out,
              std::string& error) {
    if (!list[index].isObject()) {
        error = ItemWhere(listName, index) + ": expected an object";
        return false;
    }
    out = list[index].toObject();
    return true;
}

bool SiteFieldsFromJson(const FieldReader& site, TKSiteConfig1& config) {
    for (const SiteTextField& field : kSiteTextFields) {
        if (!site.Text(field.name, config.*field.member)) return false;
    }
    for (const SiteBoolField& field : kSiteBoolFields) {
        if (!site.Boolean(field.name, config.*field.member)) return false;
    }
    for (const SiteIntField& field : kSiteIntFields) {
        if (!site.Integer(field.name, config.*field.member)) return false;
    }
    return true;
}

bool DevicesFromJson(const QJsonArray& list, TKLoop& loop, std::string& error) {
    std::set<int> seen;
    for (qsizetype i = 0; i < list.size(); ++i) {
        QJsonObject object;
        if (!ObjectAt(list, "devices", i, object, error)) return false;
        const FieldReader item(object, ItemWhere("devices", i), error);
        int address = 0;
        if (!item.Number("address", kLoopDeviceCount, seen, address)) return false;
        TKDeviceType& device = loop.Device(address);
        if (!item.Integer("DeviceType", device.DeviceType) ||
            !item.Integer("Allocation", device.Allocation) ||
            !item.Integer("PlaceNameIndex", device.PlaceNameIndex) || !item.Text("Suffix", device.Suffix) ||
            !item.Integer("Enabled", device.Enabled)) {
            return false;
        }
    }
    return true;
}

bool ZonesFromJson(const QJsonArray& list, TKZoneList& zones, std::string& error) {
    std::set<int> seen;
    for (qsizetype i = 0; i < list.size(); ++i) {
        QJsonObject object;
        if (!ObjectAt(list, "zones", i, object, error)) return false;
        const FieldReader item(object, ItemWhere("zones", i), error);
        int number = 0;
        if (!item.Number("zone", kZoneCount, seen, number)) return false;
        TKZone& zone = zones.Zones[static_cast<std::size_t>(number)];
        if (!item.Text("Name", zone.Name) || !item.Equation("AreaEquation", zone.AreaEquation) ||
            !item.Equation("DeviceEquation", zone.DeviceEquation)) {
            return false;
        }
    }
    return true;
}

bool GroupsFromJson(const QJsonArray& list, TKGroupList& groups, std::string& error) {
    std::set<int> seen;
    for (qsizetype i = 0; i < list.size(); ++i) {
        QJsonObject object;
        if (!ObjectAt(list, "groups", i, object, error)) return false;
        const FieldReader item(object, ItemWhere("groups", i), error);
        int number = 0;
        if (!item.Number("group", kGroupCount, seen, number)) return false;
        TKGroup& group = groups.Groups[static_cast<std::size_t>(number)];
        if (!item.Equation("PrimaryAreaEquation", group.PrimaryAreaEquation) ||
            !item.Equation("NightAreaEquation", group.NightAreaEquation) ||
            !item.Equation("DivertEquation", group.DivertEquation)) {
            return false;
        }
    }
    return true;
}

bool TextsFromJson(const QJsonArray& list, const char* listName, std::vector<std::string>& out,
                   std::string& error) {
    const FieldReader reader(QJsonObject{}, "", error);
    out.assign(static_cast<std::size_t>(list.size()), std::string());
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!reader.TextValue(ItemWhere(listName, i), list[i], out[static_cast<std::size_t>(i)]))
            return false;
    }
    return true;
}

bool NetworkFromJson(const FieldReader& network, TRepeaterList& repeaters, std::string& error) {
    QJsonArray list;
    if (!network.Text("PanelName", repeaters.PanelName) || !network.Integer("Segment", repeaters.Segment) ||
        !network.Array("Repeaters", kRepeaterCount, list)) {
        return false;
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        QJsonObject object;
        if (!ObjectAt(list, "network.Repeaters", i, object, error)) return false;
        const FieldReader item(object, ItemWhere("network.Repeaters", i), error);
        TNetwork& repeater = repeaters.Repeater(static_cast<int>(i) + 1);
        if (!item.Text("Name", repeater.Name) || !item.Boolean("Fitted", repeater.Fitted)) return false;
    }
    return true;
}

}  // namespace

QJsonObject SiteToJson(const TData& data) {
    QJsonObject site;
    for (const SiteTextField& field : kSiteTextFields)
        site.insert(field.name, Latin1(data.SiteConfig.*field.member));
    for (const SiteBoolField& field : kSiteBoolFields) site.insert(field.name, data.SiteConfig.*field.member);
    for (const SiteIntField& field : kSiteIntFields) site.insert(field.name, data.SiteConfig.*field.member);

    QJsonArray devices;
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& device = data.Loop.Device(n);
        devices.append(QJsonObject{{"address", n},
                                   {"DeviceType", device.DeviceType},
                                   {"Allocation", device.Allocation},
                                   {"PlaceNameIndex", device.PlaceNameIndex},
                                   {"Suffix", Latin1(device.Suffix)},
                                   {"Enabled", device.Enabled}});
    }
    QJsonArray zones;
    for (int z = 1; z <= kZoneCount; ++z) {
        const TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        zones.append(QJsonObject{{"zone", z},
                                 {"Name", Latin1(zone.Name)},
                                 {"AreaEquation", EquationJson(zone.AreaEquation)},
                                 {"DeviceEquation", EquationJson(zone.DeviceEquation)}});
    }
    QJsonArray groups;
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        groups.append(QJsonObject{{"group", g},
                                  {"PrimaryAreaEquation", EquationJson(group.PrimaryAreaEquation)},
                                  {"NightAreaEquation", EquationJson(group.NightAreaEquation)},
                                  {"DivertEquation", EquationJson(group.DivertEquation)}});
    }
    QJsonArray customNames;
    for (int i = 0; i < data.CustomNames.Count(); ++i)
        customNames.append(Latin1(data.CustomNames.Item(i).Name));
    QJsonArray repeaters;
    for (int n = 1; n <= kRepeaterCount; ++n) {
        const TNetwork& repeater = data.RepeaterList.Repeater(n);
        repeaters.append(QJsonObject{{"Name", Latin1(repeater.Name)}, {"Fitted", repeater.Fitted}});
    }
    QJsonArray comments;
    for (const std::string& line : data.Comments) comments.append(Latin1(line));

    return QJsonObject{{"MainVersion", Latin1(data.SiteConfig.MainVersion)},
                       {"site", site},
                       {"devices", devices},
                       {"zones", zones},
                       {"groups", groups},
                       {"customNames", customNames},
                       {"network", QJsonObject{{"PanelName", Latin1(data.RepeaterList.PanelName)},
                                               {"Segment", data.RepeaterList.Segment},
                                               {"Repeaters", repeaters}}},
                       {"comments", comments}};
}

bool SiteFromJson(const QJsonObject& json, TData& data, std::string& error) {
    const FieldReader top(json, "", error);
    QJsonObject site, network;
    QJsonArray devices, zones, groups, customNames, comments;
    std::vector<std::string> names;
    if (!top.Text("MainVersion", data.SiteConfig.MainVersion) || !top.Object("site", site) ||
        !SiteFieldsFromJson(FieldReader(site, "site", error), data.SiteConfig) ||
        !top.Array("devices", kLoopDeviceCount, devices) || !DevicesFromJson(devices, data.Loop, error) ||
        !top.Array("zones", kZoneCount, zones) || !ZonesFromJson(zones, data.ZoneList, error) ||
        !top.Array("groups", kGroupCount, groups) || !GroupsFromJson(groups, data.GroupList, error) ||
        !top.Array("customNames", data.CustomNames.Count(), customNames) ||
        !TextsFromJson(customNames, "customNames", names, error) || !top.Object("network", network) ||
        !NetworkFromJson(FieldReader(network, "network", error), data.RepeaterList, error) ||
        !top.Array("comments", -1, comments) || !TextsFromJson(comments, "comments", data.Comments, error)) {
        return false;
    }
    for (int i = 0; i < data.CustomNames.Count(); ++i)
        data.CustomNames.Item(i).Name = names[static_cast<std::size_t>(i)];
    return true;
}

}  // namespace kelvane::cli
