#include "ui/SiteConfigTimeText.h"

#include <cctype>
#include <cstdio>

namespace kelvane {

namespace {

int TwoDigitsAt(const std::string& text, std::size_t position) {
    if (text.size() < position + 2) return 0;
    const unsigned char tens = text[position];
    const unsigned char units = text[position + 1];
    if (!std::isdigit(tens) || !std::isdigit(units)) return 0;
    return (tens - '0') * 10 + (units - '0');
}

int Wrap(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

}  // namespace

std::string StepTimeText(const std::string& time, int hours, int minutes) {
    const int hour = Wrap(TwoDigitsAt(time, 0) + hours, 24);
    const int minute = Wrap(TwoDigitsAt(time, 3) + minutes, 60);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

}  // namespace kelvane
