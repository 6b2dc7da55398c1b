#pragma once
#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace kelvane::test {

// The control of `window` with the object name `name`; the test fails where
// there is none.
template <class Control>
Control* Child(const QObject& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) ADD_FAILURE() << "no " << name << " in " << window.objectName().toStdString();
    return control;
}

}  // namespace kelvane::test
