#include <QAction>
#include <QLabel>
#include <QTableView>
#include <fstream>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "file/ConfigFile.h"
#include "ui/controller/DifferenceTableModel.h"
#include "ui/controller/TfrmDifferences.h"

namespace kelvane::test {
namespace {

class CompareWithFileTest : public MainWindowTest {
protected:
    std::string WriteFile(const QString& name, const TData& site) {
        const std::string path = folder.filePath(name).toStdString();
        Document written;
        EXPECT_TRUE(WriteConfigFile(path, site, written).saved);
        return path;
    }
    void Compare(const std::string& path) {
        dialogs.QueueOpen(path);
        Child<QAction>(*window, "CompareWithFile1")->trigger();
    }
    TfrmDifferences& Differences() { return *Child<TfrmDifferences>(*window, "frmDifferences"); }

    QTemporaryDir folder;
};

TEST_F(CompareWithFileTest, ShowsEveryDifferingFieldAgainstTheOtherFile) {
    Show();
    TData other;
    other.ResetToDefaults();
    other.Loop.Device(7).DeviceType = 4;
    other.Loop.Device(7).Allocation = 2;
    other.RepeaterList.Repeater(2).Fitted = true;
    other.Comments = {"Another site"};
    Compare(WriteFile("Other.KCF", other));

    ASSERT_TRUE(Differences().isVisible());
    EXPECT_EQ(Differences().windowTitle(), "Compare With File");
    EXPECT_FALSE(Differences().btnSaveAgain->isVisible());
    const QAbstractItemModel* table = Differences().grdDifferences->model();
    EXPECT_EQ(table->headerData(DifferenceTableModel::colA, Qt::Horizontal).toString(), "This site");
    EXPECT_EQ(table->headerData(DifferenceTableModel::colB, Qt::Horizontal).toString(), "Other.KCF");
    EXPECT_EQ(Differences().ShownLines(),
              "Device 7 DeviceType: Not fitted -> Display\n"
              "Device 7 Allocation: Zone 1 -> Group 3\n"
              "Repeater 2 Fitted: No -> Yes\n"
              "Comment line 1 Text: Comments Page -> Another site\n");
    EXPECT_EQ(Differences().lblHeading->text(), "The open site and Other.KCF differ in 4 fields.");
    EXPECT_EQ(data.Loop.Device(7).DeviceType, 0);
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(dialogs.AllAnswered());
    Differences().close();
}

TEST_F(CompareWithFileTest, AnIdenticalFileOrOneThatCannotBeReadIsSaidSo) {
    Show();
    Compare(WriteFile("Same.KCF", data));
    EXPECT_EQ(prompts.LastText(), "The open site and Same.KCF hold the same configuration.");
    EXPECT_FALSE(Differences().isVisible());

    const std::string notes = folder.filePath("notes.KCF").toStdString();
    std::ofstream(notes) << "[Kelvane Header]\nFileType=Other\n";
    Compare(notes);
    EXPECT_EQ(prompts.LastText(), kNotValidConfigFileMessage);
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Error);

    dialogs.QueueOpen(std::nullopt);
    Child<QAction>(*window, "CompareWithFile1")->trigger();
    EXPECT_EQ(prompts.ShownMessages().size(), 2u);
}

}  // namespace
}  // namespace kelvane::test
