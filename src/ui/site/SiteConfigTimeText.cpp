#include "ui/site/SiteConfigTimeText.h"

#include <cstdio>

#include "model/ModeTime.h"

namespace kelvane {

namespace {

int Wrap(int value, int modulus) {
    return ((value % modulus) + modulus) % modulus;
}

}  // namespace

std::string StepTimeText(const std::string& time, int hours, int minutes) {
    const ModeTime start = ParseModeTime(time).value_or(ModeTime{});
    const int hour = Wrap(start.Hour + hours, 24);
    const int minute = Wrap(start.Minute + minutes, 60);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

}  // namespace kelvane
