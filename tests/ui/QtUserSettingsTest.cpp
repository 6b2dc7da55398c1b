#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "ui/platform/QtUserSettings.h"

namespace kelvane::test {
namespace {

// Yes/no choices stay in the store's own form, "true" and "false", so the
// choices stored by earlier versions of the program read back as they were.
TEST(QtUserSettings, YesNoChoicesKeepTheStoresForm) {
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("user.ini"));
    {
        QSettings earlier(ini, QSettings::IniFormat);
        earlier.setValue(QStringLiteral("Verify After Saving"), false);
        earlier.setValue(QStringLiteral("Port"), 2);
    }
    QtUserSettings settings(ini);
    EXPECT_EQ(settings.Flag("Verify After Saving"), false);
    EXPECT_EQ(settings.Flag("Never Stored"), std::nullopt);
    EXPECT_EQ(settings.Number("Port"), 2);

    settings.SetFlag("Verify After Saving", true);
    QFile stored(ini);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_TRUE(stored.readAll().contains("Verify%20After%20Saving=true"));
    EXPECT_EQ(QtUserSettings(ini).Flag("Verify After Saving"), true);
}

}  // namespace
}  // namespace kelvane::test
