#pragma once
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "file/Document.h"
#include "model/Data.h"
#include "ui/routing/Beeper.h"
#include "ui/routing/EquationEditor.h"
#include "ui/routing/EquationEditors.h"
#include "ui/routing/TfrmAreaEquation.h"
#include "ui/routing/TfrmDeviceEquation.h"
#include "ui/routing/TfrmGroupEquation.h"

namespace kelvane::test {

// Counts the editors' sounds.
class CountingBeeper : public Beeper {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// Ways of driving an editor as a user would, with its timers run by hand.
struct EditorDriver {
    // Clicks the list row whose first column reads `text`.
    static void Pick(EquationEditor& editor, const QString& text) {
        QTableWidget* list = editor.List;
        const QList<QTableWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        for (QTableWidgetItem* item : found) {
            if (item->column() != 0) continue;
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
            return;
        }
        ADD_FAILURE() << "no row " << text.toStdString();
    }

    // Lets `ms` pass on the editor's 25 ms wait timer.
    static void Wait(EquationEditor& editor, int ms) {
        for (int tick = 0; tick < ms / TimedSteps::kTickMs; ++tick) editor.WaitTimerTimer();
    }

    static QStringList SlotTexts(const EquationEditor& editor) {
        QStringList texts;
        for (const QLineEdit* box : editor.SlotBoxes) texts << box->text();
        return texts;
    }

    static QStringList ColumnZero(const EquationEditor& editor) {
        QStringList texts;
        for (int row = 0; row < editor.List->rowCount(); ++row) texts << editor.List->item(row, 0)->text();
        return texts;
    }

    static QString Heading(const EquationEditor& editor, int column) {
        const QTableWidgetItem* item = editor.List->horizontalHeaderItem(column);
        return item ? item->text() : QString();
    }

    static QLineEdit* Box(EquationEditor& editor, int slot) {
        return editor.SlotBoxes[static_cast<std::size_t>(slot - 1)];
    }
};

// The three editors over a new site, with a window to belong to, counted
// sounds and counted refreshes.
class EquationEditorTest : public ::testing::Test, protected EditorDriver {
protected:
    void SetUp() override {
        data.ResetToDefaults();
        editors.SetBeeper(beeper);
        editors.RefreshActivePage = [this] { ++pageRefreshes; };
        editors.RefreshGroupConfig = [this] { ++groupRefreshes; };
        editors.SetHelp([this](int topic) { helpTopics.push_back(topic); });
    }

    void TearDown() override {
        for (EquationEditor* editor : Editors()) {
            if (editor->isVisible()) editor->reject();
        }
    }

    std::vector<EquationEditor*> Editors() {
        return {editors.frmAreaEquation, editors.frmDeviceEquation, editors.frmGroupEquation};
    }

    TfrmAreaEquation& Areas() { return *editors.frmAreaEquation; }
    TfrmDeviceEquation& Devices() { return *editors.frmDeviceEquation; }
    TfrmGroupEquation& Groups() { return *editors.frmGroupEquation; }

    TData data;
    Document document;
    CountingBeeper beeper;
    QWidget window;
    EquationEditors editors{data, document, &window};
    int pageRefreshes = 0;
    int groupRefreshes = 0;
    std::vector<int> helpTopics;
};

}  // namespace kelvane::test
