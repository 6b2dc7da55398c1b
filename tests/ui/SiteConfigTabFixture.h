#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "file/Document.h"
#include "model/Data.h"
#include "support/ScriptedPrompts.h"
#include "ui/site/SiteConfigTab.h"

namespace kelvane {

// The Site Config tab in an active window of its own, filled from a
// new-document model. `away` stands in for the main window's tab control,
// which takes the focus before Save, Print and the transfers.
class SiteConfigTabTest : public ::testing::Test {
protected:
    SiteConfigTabTest() {
        data.ResetToDefaults();
        auto* layout = new QVBoxLayout(&window);
        away = new QPushButton(QStringLiteral("away"), &window);
        tab = new SiteConfigTab(data, document, prompts, &window);
        layout->addWidget(away);
        layout->addWidget(tab);
        tab->FillSiteConfigTab();
        window.resize(792, 520);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <class Control>
    Control* Find(const char* name) {
        auto* control = tab->findChild<Control*>(QString::fromLatin1(name));
        if (control == nullptr) ADD_FAILURE() << "no control " << name;
        return control;
    }

    // Puts the focus into `box` with the mouse's reason, as a click would.
    static void Enter(QWidget* box) { box->setFocus(Qt::MouseFocusReason); }
    // Replaces the text of the focused box by typing, as the user would.
    static void Retype(QWidget* box, const char* text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QString::fromLatin1(text));
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // Another window (a message box, another program) takes the focus and
    // hands it back, as the window system does.
    void FocusAnotherWindowAndReturn() {
        QPushButton other(QStringLiteral("other window"));
        other.show();
        QApplication::setActiveWindow(&other);
        other.setFocus();
        other.hide();
        QApplication::setActiveWindow(&window);
    }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    QWidget window;
    QPushButton* away = nullptr;
    SiteConfigTab* tab = nullptr;
};

}  // namespace kelvane
