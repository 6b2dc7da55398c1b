#pragma once
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kelvane {

class SiteConfigCodeEdit;
class SiteConfigReturnChain;
class SiteConfigTimeEdit;
class SiteConfigTimeoutBox;
class SiteConfigUpDown;

// The Site Config tab: access and reset codes, timeouts, clock and connection
// status, night mode and the other modes, client and installer details.
// Every control carries its control name as its object name.
class SiteConfigTab : public QWidget {
    Q_OBJECT
public:
    SiteConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Sets every control from the model without marking the document modified.
    void FillSiteConfigTab();
    // The "Copy PC Time to Panel on Program:" box, read by the save to the controller.
    bool UploadTimeSelected() const;
    // Clock and connection panel texts, kept up to date by the clock timer.
    void SetConnectionStatusText(const QString& text);
    void SetClock(const QString& date, const QString& time);
    // Shows the controller's version (GetMainVersion()) in stxtMain.
    void RefreshMainVersion();
    // While held, the settings are shown but cannot be changed; the clock
    // and the connection status go on.
    void HoldBackEditing(bool held);
    // The code gate in front of Save, Save As, Print and the controller
    // transfers: `leave` moves the focus off the code boxes, so that the exit
    // check of a box being edited runs; true when the codes are then valid.
    // The gate never stops in silence: when no exit check has just said why,
    // the first code box that is short reports and takes the focus (`reveal`
    // makes this tab the visible one first). With no code short, it passes.
    bool PassCodeGate(const std::function<void()>& leave, const std::function<void()>& reveal);

signals:
    // The connection status text was clicked: the main window repeats its page-change handling.
    void connectionStatusClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using TextField = std::string TKSiteConfig1::*;
    struct TextBox {
        QLineEdit* box;
        TextField field;
        std::string step;  // what typing into it is called in the Edit menu
    };
    // A code box with the message of its exit check.
    struct CodeBox {
        SiteConfigCodeEdit* box;
        const char* error;
    };

    QGroupBox* BuildAccessPanel();
    QGroupBox* BuildClockPanel();
    QGroupBox* BuildModesPanel();
    QGroupBox* BuildClientPanel();
    SiteConfigCodeEdit* AddCodeBox(QGridLayout* grid, int row, const char* label, const char* name,
                                   const QString& allowedCharacters, TextField field, bool upperCase);
    SiteConfigTimeoutBox* AddTimeoutBox(QGridLayout* grid, int row, const char* label, const char* name,
                                        int TKSiteConfig1::*field);
    SiteConfigTimeEdit* AddTimeBox(QGridLayout* grid, int row, const char* label, const char* name,
                                   TextField field, const char* hourArrowsName, const char* minuteArrowsName);
    QComboBox* AddList(QGridLayout* grid, int row, int column, const char* label, const char* name,
                       const std::vector<const char*>& entries);
    QLineEdit* AddTextBox(QGridLayout* grid, int row, int column, const char* label, const char* name,
                          TextField field, int maxLength);
    QLineEdit* AddDateBox(QGridLayout* grid, int row, int column, const char* label, const char* name,
                          TextField field);
    QLineEdit* MakeDetailBox(const char* name, TextField field, std::string step);
    void SetTabAndReturnOrder();

    // Exit check of a code box: a code of four characters makes the codes
    // valid, anything else is reported and the focus goes back to the box.
    void CheckCodeOnExit(const CodeBox& code);
    void ReportShortCode(const CodeBox& code);
    bool AccessLevelCodesComplete() const;

    void ApplyHTM2015Rule();
    void ApplySurveyorRule();
    void EnableNightModeTimes();
    // Marks the document modified, except while the tab is being filled.
    // The model holds the change `step` made in a control.
    void MarkModified(const std::string& step);

    TKSiteConfig1& Site() { return data_.SiteConfig; }

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    bool filling_ = false;
    bool exitCheckReported_ = false;  // since the code gate last moved the focus
    std::vector<CodeBox> codeBoxes_;  // in the order the gate looks at them

    std::vector<TextBox> textBoxes_;
    SiteConfigReturnChain* returnChain_;

    SiteConfigCodeEdit* txtLvl2 = nullptr;
    SiteConfigCodeEdit* txtLvl3 = nullptr;
    SiteConfigCodeEdit* txtCallCode = nullptr;
    SiteConfigCodeEdit* txtAttackCode = nullptr;
    SiteConfigTimeoutBox* txtAccTimeout = nullptr;
    SiteConfigTimeoutBox* txtDivTimeout = nullptr;

    QLabel* stxtCurrentTime = nullptr;
    QLabel* stxtCurrentDate = nullptr;
    QLabel* stxtConnectedStatus = nullptr;
    QCheckBox* UploadTimeSelect = nullptr;

    QCheckBox* chkAutoNightMode = nullptr;
    QCheckBox* chkHTM2015 = nullptr;
    QCheckBox* chkSurveyor = nullptr;
    SiteConfigTimeEdit* mskNightMode = nullptr;
    SiteConfigTimeEdit* mskDayMode = nullptr;
    std::vector<QWidget*> nightModeTimeControls_;
    QComboBox* lstLogger = nullptr;
    QComboBox* lstRadioPager = nullptr;
    QComboBox* lstEmergSettings = nullptr;
    QComboBox* lstAttackSettings = nullptr;

    QLineEdit* txtClientName = nullptr;
    QLineEdit* txtCommissionDate = nullptr;
    QLabel* stxtMain = nullptr;
    // The client and installer boxes in Tab order.
    std::vector<QLineEdit*> detailBoxes_;
    // Every control that changes a setting, by the panel that holds it.
    std::vector<QWidget*> editingControls_;
};

}  // namespace kelvane
