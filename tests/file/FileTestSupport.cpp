#include "FileTestSupport.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>

#include <cerrno>
#include <random>

#include "file/SiteFields.h"

namespace kelvane::test {

std::optional<OtherUser> FindOtherUser() {
    if (::geteuid() != 0) return OtherUser{::geteuid(), ::getegid()};
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody || nobody->pw_uid == 0) return std::nullopt;
    return OtherUser{nobody->pw_uid, nobody->pw_gid};
}

std::optional<std::string> RunAs(const OtherUser& user, const std::function<std::string()>& body) {
    constexpr int kCannotBecomeUser = 77;
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        ::close(channel[0]);
        const bool become = ::geteuid() != user.uid;
        if (become && (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0))
            ::_exit(kCannotBecomeUser);
        const std::string report = body();
        const ssize_t written = ::write(channel[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[512];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) break;
        report.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(channel[0]);
    int status = 0;
    pid_t waited;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotBecomeUser) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child process failed: " + report;
    return report;
}

void FillSite(TData& data, unsigned seed) {
    std::mt19937 random(seed);
    const auto number = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // Texts with Latin-1 bytes, inner blanks, "=" and ";", and in turn plain
    // ends, blanks at both ends (which the reader trims) and enclosing
    // quotes (which the reader removes): the writer quotes the last two.
    int texts = 0;
    const auto text = [&](std::size_t length) {
        static const std::string kAlphabet = "ABCxyz019 =;/&\xA3\xE9\xFF";
        static const std::pair<char, char> kEnds[] = {{'K', '\xE9'}, {' ', ' '}, {'"', '"'}, {'\'', '\''}};
        std::string value;
        for (std::size_t i = 0; i < length; ++i) value += kAlphabet[static_cast<std::size_t>(number(0, 17))];
        const auto& [front, back] = kEnds[texts++ % 4];
        value.front() = front;
        value.back() = back;
        return value;
    };
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = number(1, 9);
        device.Allocation = device.DeviceType == 7 ? number(0, 64) : number(0, 80);
        device.PlaceNameIndex = number(0, 85);
        device.Suffix = text(4);
        device.Enabled = number(0, 1);
    }
    for (int z = 1; z <= kZoneCount; ++z) {
        TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        zone.Name = text(16);
        for (int e = 1; e <= kEquationTerms; ++e) {
            zone.AreaEquation[static_cast<std::size_t>(e)] = number(0, 25);
            zone.DeviceEquation[static_cast<std::size_t>(e)] = number(0, 255);
        }
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        for (int e = 1; e <= kEquationTerms; ++e) {
            group.PrimaryAreaEquation[static_cast<std::size_t>(e)] = number(0, 25);
            group.NightAreaEquation[static_cast<std::size_t>(e)] = number(0, 25);
            group.DivertEquation[static_cast<std::size_t>(e)] = number(0, 31);
        }
    }
    for (int i = 0; i < data.CustomNames.Count(); ++i) data.CustomNames.Item(i).Name = text(11);
    for (const SiteTextField& field : kSiteTextFields) data.SiteConfig.*field.member = text(25);
    for (const SiteBoolField& field : kSiteBoolFields) {
        if (field.section) data.SiteConfig.*field.member = !field.readerDefault;
    }
    data.SiteConfig.AttackState = true;  // differs from the reader's default
    data.SiteConfig.LoggerSetting = 7;
    data.SiteConfig.PagerLevel = 3;
    data.SiteConfig.AccTimeout = 5;
    data.SiteConfig.DivTimeout = 8;
    data.SiteConfig.MainVersion = "09C07";
    for (int n = 1; n <= kRepeaterCount; ++n) {
        data.RepeaterList.Repeater(n).Name = text(15);
        data.RepeaterList.Repeater(n).Fitted = n % 2 == 1;
    }
    data.RepeaterList.PanelName = text(15);
    data.RepeaterList.Segment = 12;
    data.Comments = {"First line", "", text(60), "last"};
}

}  // namespace kelvane::test
