#pragma once
#include <ctime>
#include <string>

namespace kelvane {

// The date and time texts of the Site Config tab's clock: "07/12/2026" and "14:05:09".
inline std::string ShortDateText(const std::tm& time) {
    char text[16];
    return std::string(text, std::strftime(text, sizeof text, "%d/%m/%Y", &time));
}

inline std::string LongTimeText(const std::tm& time) {
    char text[16];
    return std::string(text, std::strftime(text, sizeof text, "%H:%M:%S", &time));
}

}  // namespace kelvane
