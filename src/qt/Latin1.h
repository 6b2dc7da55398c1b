#pragma once
#include <QString>
#include <string>

namespace kelvane {

// Model texts are 8-bit byte strings; on the Qt side (widgets, reports, JSON)
// they are Latin-1.
inline QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace kelvane
