#include "ui/site/SiteConfigTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/SiteSettingRules.h"
#include "model/SiteSettingTexts.h"
#include "qt/Latin1.h"
#include "ui/site/SiteConfigCodeEdit.h"
#include "ui/site/SiteConfigReturnChain.h"
#include "ui/site/SiteConfigTimeEdit.h"
#include "ui/site/SiteConfigTimeText.h"
#include "ui/site/SiteConfigTimeoutBox.h"
#include "ui/site/SiteConfigUpDown.h"
#include "ui/widgets/TypedLengthLimit.h"

namespace kelvane {

namespace {

constexpr int kCodeLength = 4;
constexpr const char* kAccessLevelDigits = "123";
constexpr const char* kResetCodeLetters = "UDAuda";
constexpr const char* kAccessLevelError = "Error. Access Level code must have 4 digits";
constexpr const char* kCallCodeError = "Error. Call Accept code must have 4 characters";
constexpr const char* kAttackCodeError = "Error. Attack Accept code must have 4 characters";

QGroupBox* MakeGroup(const char* title, QLayout* layout) {
    auto* group = new QGroupBox(QString::fromLatin1(title));
    layout->setContentsMargins(6, 4, 6, 4);
    group->setLayout(layout);
    return group;
}

QGridLayout* MakeGrid() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    return grid;
}

QLabel* AddLabel(QGridLayout* grid, int row, int column, const char* text, QWidget* buddy) {
    if (text == nullptr) return nullptr;
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setBuddy(buddy);
    grid->addWidget(label, row, column);
    return label;
}

// "Edit Clients Name" for the box labelled "Clients Name : ".
std::string EditStep(const char* label) {
    std::string text(label);
    while (!text.empty() && (text.back() == ' ' || text.back() == ':')) text.pop_back();
    return "Edit " + text;
}

}  // namespace

SiteConfigTab::SiteConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent),
      data_(data),
      document_(document),
      prompts_(prompts),
      returnChain_(new SiteConfigReturnChain(this)) {
    QGroupBox* access = BuildAccessPanel();
    QGroupBox* modes = BuildModesPanel();
    auto* top = new QHBoxLayout;
    top->addWidget(access);
    top->addWidget(modes, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    page->addWidget(BuildClockPanel());
    page->addLayout(top);
    QGroupBox* client = BuildClientPanel();
    page->addWidget(client);
    editingControls_ = {access, modes, client, UploadTimeSelect};
    page->addStretch(1);
    SetTabAndReturnOrder();
}

// Access panel -------------------------------------------------------------

QGroupBox* SiteConfigTab::BuildAccessPanel() {
    auto* grid = MakeGrid();
    txtLvl2 = AddCodeBox(grid, 0, "User (AL2) Code:", "txtLvl2", kAccessLevelDigits, &TKSiteConfig1::AL2Code,
                         false);
    txtLvl3 = AddCodeBox(grid, 1, "Engineer (AL3) Code:", "txtLvl3", kAccessLevelDigits,
                         &TKSiteConfig1::AL3Code, false);
    txtCallCode = AddCodeBox(grid, 2, "Call Reset Code : ", "txtCallCode", kResetCodeLetters,
                             &TKSiteConfig1::CallCode, true);
    txtAttackCode = AddCodeBox(grid, 3, "Attack Reset Code : ", "txtAttackCode", kResetCodeLetters,
                               &TKSiteConfig1::AttackCode, true);
    txtAccTimeout =
        AddTimeoutBox(grid, 4, "Call Accept Timeout:", "txtAccTimeout", &TKSiteConfig1::AccTimeout);
    txtDivTimeout = AddTimeoutBox(grid, 5, "Divert Timeout:", "txtDivTimeout", &TKSiteConfig1::DivTimeout);

    // Entering an access level box invalidates the codes until it is left
    // with four digits; the reset code boxes leave them as they are.
    for (SiteConfigCodeEdit* box : {txtLvl2, txtLvl3})
        connect(box, &SiteConfigCodeEdit::entered, this, [this] { document_.CodesValid = false; });
    codeBoxes_ = {{txtLvl2, kAccessLevelError},
                  {txtLvl3, kAccessLevelError},
                  {txtCallCode, kCallCodeError},
                  {txtAttackCode, kAttackCodeError}};
    for (const CodeBox& code : codeBoxes_)
        connect(code.box, &SiteConfigCodeEdit::left, this, [this, code] { CheckCodeOnExit(code); });
    grid->setRowStretch(6, 1);
    return MakeGroup("Access Codes", grid);
}

SiteConfigCodeEdit* SiteConfigTab::AddCodeBox(QGridLayout* grid, int row, const char* label, const char* name,
                                              const QString& allowedCharacters, TextField field,
                                              bool upperCase) {
    auto* box = new SiteConfigCodeEdit(allowedCharacters, kCodeLength);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("WWWWW")) + 12);
    AddLabel(grid, row, 0, label, box);
    grid->addWidget(box, row, 1);
    connect(box, &QLineEdit::textEdited, this,
            [this, field, upperCase, step = EditStep(label)](const QString& text) {
                Site().*field = ToLatin1(upperCase ? text.toUpper() : text);
                MarkModified(step);
            });
    return box;
}

SiteConfigTimeoutBox* SiteConfigTab::AddTimeoutBox(QGridLayout* grid, int row, const char* label,
                                                   const char* name, int TKSiteConfig1::*field) {
    auto* box = new SiteConfigTimeoutBox;
    box->setObjectName(QString::fromLatin1(name));
    AddLabel(grid, row, 0, label, box);
    grid->addWidget(box, row, 1);
    connect(box, &QSpinBox::valueChanged, this, [this, field, step = EditStep(label)](int minutes) {
        Site().*field = minutes;
        MarkModified(step);
    });
    return box;
}

void SiteConfigTab::CheckCodeOnExit(const CodeBox& code) {
    if (code.box->text().size() == kCodeLength) {
        // A complete reset code does not vouch for an access level code that
        // an earlier exit check found short.
        if (AccessLevelCodesComplete()) document_.CodesValid = true;
        return;
    }
    ReportShortCode(code);
}

void SiteConfigTab::ReportShortCode(const CodeBox& code) {
    exitCheckReported_ = true;
    prompts_.Error(code.error);
    // A box on a page being left cannot take the focus; the codes stay
    // invalid until it is put right.
    if (code.box->isVisible()) code.box->setFocus(Qt::OtherFocusReason);
}

bool SiteConfigTab::PassCodeGate(const std::function<void()>& leave, const std::function<void()>& reveal) {
    exitCheckReported_ = false;
    leave();
    if (document_.CodesValid) return true;
    if (exitCheckReported_) return false;
    // The codes were left invalid earlier (on a tab switch, or with another
    // code still short): say which box needs putting right.
    for (const CodeBox& code : codeBoxes_) {
        if (code.box->text().size() == kCodeLength) continue;
        reveal();
        ReportShortCode(code);
        return false;
    }
    // Every code is whole: nothing half-typed is left to hold back.
    document_.CodesValid = true;
    return true;
}

bool SiteConfigTab::AccessLevelCodesComplete() const {
    return txtLvl2->text().size() == kCodeLength && txtLvl3->text().size() == kCodeLength;
}

// Clock and connection panel --------------------------------------------------

QGroupBox* SiteConfigTab::BuildClockPanel() {
    stxtCurrentTime = new QLabel;
    stxtCurrentTime->setObjectName(QStringLiteral("stxtCurrentTime"));
    stxtCurrentDate = new QLabel;
    stxtCurrentDate->setObjectName(QStringLiteral("stxtCurrentDate"));
    stxtConnectedStatus = new QLabel;
    stxtConnectedStatus->setObjectName(QStringLiteral("stxtConnectedStatus"));
    stxtConnectedStatus->setCursor(Qt::PointingHandCursor);
    // As wide as its longest text, so that neither it nor its caption moves
    // when the text changes.
    int statusWidth = 0;
    for (const char* text : {"Connected", "Dis-Connected", "Attempting to connect..."})
        statusWidth = std::max(
            statusWidth, stxtConnectedStatus->fontMetrics().horizontalAdvance(QString::fromLatin1(text)));
    stxtConnectedStatus->setFixedWidth(statusWidth + 2 * stxtConnectedStatus->margin() + 4);
    stxtConnectedStatus->installEventFilter(this);
    UploadTimeSelect = new QCheckBox(QStringLiteral("Copy PC Time to Panel on Program:"));
    UploadTimeSelect->setObjectName(QStringLiteral("UploadTimeSelect"));
    UploadTimeSelect->setLayoutDirection(Qt::RightToLeft);
    // The save to the controller reads the box itself; CopyTime only seeds it.
    connect(UploadTimeSelect, &QCheckBox::toggled, this, [this] { MarkModified("Change Copy PC Time"); });

    auto* row = new QHBoxLayout;
    row->addWidget(stxtCurrentTime);
    row->addSpacing(12);
    row->addWidget(stxtCurrentDate);
    row->addStretch(1);
    row->addWidget(new QLabel(QStringLiteral("Connection Status :")));
    row->addWidget(stxtConnectedStatus);
    row->addStretch(1);
    row->addWidget(UploadTimeSelect);
    return MakeGroup("Clock and Connection", row);
}

bool SiteConfigTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stxtConnectedStatus && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit connectionStatusClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Modes panel ------------------------------------------------------------------

QGroupBox* SiteConfigTab::BuildModesPanel() {
    auto* grid = MakeGrid();
    chkAutoNightMode = new QCheckBox(QStringLiteral("Enable Auto Night Mode"));
    chkAutoNightMode->setObjectName(QStringLiteral("chkAutoNightMode"));
    grid->addWidget(chkAutoNightMode, 0, 0, 1, 2);
    mskNightMode = AddTimeBox(grid, 1, "Night Mode starts at", "mskNightMode", &TKSiteConfig1::NightModeTime,
                              "UpDown2", "UpDown1");
    mskDayMode = AddTimeBox(grid, 2, "Night Mode ends at", "mskDayMode", &TKSiteConfig1::DayModeTime,
                            "UpDown4", "UpDown3");
    chkHTM2015 = new QCheckBox(QStringLiteral("Enable HTM2015 Mode"));
    chkHTM2015->setObjectName(QStringLiteral("chkHTM2015"));
    grid->addWidget(chkHTM2015, 3, 0, 1, 2);
    chkSurveyor = new QCheckBox(QStringLiteral("Enable Surveyor Mode"));
    chkSurveyor->setObjectName(QStringLiteral("chkSurveyor"));
    grid->addWidget(chkSurveyor, 4, 0, 1, 2);

    lstLogger = AddList(grid, 0, 3, "Print Log", "lstLogger", LoggerSettingEntries());
    lstRadioPager = AddList(grid, 1, 3, "RadioPager", "lstRadioPager", PagerLevelEntries());
    lstEmergSettings = AddList(grid, 2, 3, "Emergencies Sent", "lstEmergSettings", SentEntries());
    lstAttackSettings = AddList(grid, 3, 3, "Attacks Sent", "lstAttackSettings", SentEntries());
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);

    connect(chkAutoNightMode, &QCheckBox::toggled, this, [this](bool on) {
        Site().NightModeAutoEnable = on;
        EnableNightModeTimes();
        MarkModified("Change Auto Night Mode");
    });
    connect(chkHTM2015, &QCheckBox::toggled, this, [this](bool on) {
        Site().HTM2015Enable = on;
        ApplyHTM2015Rule();
        MarkModified("Change HTM2015 Mode");
    });
    connect(chkSurveyor, &QCheckBox::toggled, this, [this](bool on) {
        Site().SurveyorEnable = on;
        ApplySurveyorRule();
        MarkModified("Change Surveyor Mode");
    });
    connect(lstLogger, &QComboBox::currentIndexChanged, this, [this](int index) {
        Site().LoggerSetting = index;
        MarkModified("Change Print Log");
    });
    connect(lstRadioPager, &QComboBox::currentIndexChanged, this, [this](int index) {
        Site().PagerLevel = index;
        Site().PagerEnabled = index != 0;
        MarkModified("Change RadioPager");
    });
    connect(lstEmergSettings, &QComboBox::currentIndexChanged, this, [this](int index) {
        Site().EmergState = index == 1;
        MarkModified("Change Emergencies Sent");
    });
    connect(lstAttackSettings, &QComboBox::currentIndexChanged, this, [this](int index) {
        Site().AttackState = index == 1;
        MarkModified("Change Attacks Sent");
    });
    return MakeGroup("Modes", grid);
}

SiteConfigTimeEdit* SiteConfigTab::AddTimeBox(QGridLayout* grid, int row, const char* label, const char* name,
                                              TextField field, const char* hourArrowsName,
                                              const char* minuteArrowsName) {
    auto* box = new SiteConfigTimeEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 12);
    auto* hours = new SiteConfigUpDown;
    hours->setObjectName(QString::fromLatin1(hourArrowsName));
    hours->setToolTip(QStringLiteral("Hour"));
    auto* minutes = new SiteConfigUpDown;
    minutes->setObjectName(QString::fromLatin1(minuteArrowsName));
    minutes->setToolTip(QStringLiteral("Minute"));
    // A screen reader names each arrow by the time it steps.
    const QString time = QString::fromLatin1(label);
    hours->UpArrow()->setAccessibleName(time + QStringLiteral(", hour up"));
    hours->DownArrow()->setAccessibleName(time + QStringLiteral(", hour down"));
    minutes->UpArrow()->setAccessibleName(time + QStringLiteral(", minute up"));
    minutes->DownArrow()->setAccessibleName(time + QStringLiteral(", minute down"));

    auto step = [this, box, field, stepName = EditStep(label)](int hourSteps, int minuteSteps) {
        const std::string time = StepTimeText(ToLatin1(box->text()), hourSteps, minuteSteps);
        box->ShowTime(Latin1(time));
        Site().*field = time;
        MarkModified(stepName);
    };
    connect(hours, &SiteConfigUpDown::stepped, this, [step](int steps) { step(steps, 0); });
    connect(minutes, &SiteConfigUpDown::stepped, this, [step](int steps) { step(0, steps); });
    connect(box, &SiteConfigTimeEdit::stepped, this, step);
    connect(box, &SiteConfigTimeEdit::timeTyped, this,
            [this, field, stepName = EditStep(label)](const std::string& time) {
                Site().*field = time;
                MarkModified(stepName);
            });

    auto* controls = new QHBoxLayout;
    controls->setSpacing(2);
    controls->addWidget(box);
    controls->addWidget(hours);
    controls->addWidget(minutes);
    controls->addStretch(1);
    AddLabel(grid, row, 0, label, box);
    grid->addLayout(controls, row, 1);
    nightModeTimeControls_.insert(nightModeTimeControls_.end(), {box, hours, minutes});
    return box;
}

QComboBox* SiteConfigTab::AddList(QGridLayout* grid, int row, int column, const char* label, const char* name,
                                  const std::vector<const char*>& entries) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    for (const char* entry : entries) list->addItem(QString::fromLatin1(entry));
    AddLabel(grid, row, column, label, list);
    grid->addWidget(list, row, column + 1);
    return list;
}

void SiteConfigTab::ApplyHTM2015Rule() {
    if (chkHTM2015->isChecked()) chkAutoNightMode->setChecked(false);
    chkAutoNightMode->setEnabled(!chkHTM2015->isChecked());
}

void SiteConfigTab::ApplySurveyorRule() {
    if (chkSurveyor->isChecked()) {
        lstLogger->setCurrentIndex(kSurveyorLoggerSetting);
        Site().LoggerSetting = kSurveyorLoggerSetting;  // also when the list already showed it
    }
    lstLogger->setEnabled(!chkSurveyor->isChecked());
}

void SiteConfigTab::EnableNightModeTimes() {
    for (QWidget* control : nightModeTimeControls_) control->setEnabled(chkAutoNightMode->isChecked());
}

// Client and installer panel -----------------------------------------------------

QGroupBox* SiteConfigTab::BuildClientPanel() {
    auto* grid = MakeGrid();
    using S = TKSiteConfig1;
    txtClientName = AddTextBox(grid, 0, 0, "Clients Name : ", "txtClientName", &S::ClientName, 25);
    AddTextBox(grid, 1, 0, "Clients Address :", "txtClientAdd1", &S::ClientAddress1, 25);
    AddTextBox(grid, 2, 0, nullptr, "txtClientAdd2", &S::ClientAddress2, 25);
    AddTextBox(grid, 3, 0, nullptr, "txtClientAdd3", &S::ClientAddress3, 25);
    AddTextBox(grid, 4, 0, nullptr, "txtClientAdd4", &S::ClientAddress4, 25);
    AddTextBox(grid, 5, 0, "Postcode :", "txtClientAdd5", &S::ClientAddress5, 10);
    AddTextBox(grid, 6, 0, "Tel :", "txtClientTel", &S::ClientTel, 16);
    AddTextBox(grid, 7, 0, "Location of Panel : ", "txtPanelLocation", &S::PanelLocation, 25);
    AddTextBox(grid, 0, 2, "Installers Name : ", "txtInstallName", &S::InstallerName, 25);
    AddTextBox(grid, 1, 2, "Installers Address : ", "txtInstallAdd1", &S::InstallerAddress1, 25);
    AddTextBox(grid, 2, 2, nullptr, "txtInstallAdd2", &S::InstallerAddress2, 25);
    AddTextBox(grid, 3, 2, nullptr, "txtInstallAdd3", &S::InstallerAddress3, 25);
    AddTextBox(grid, 4, 2, nullptr, "txtInstallAdd4", &S::InstallerAddress4, 25);
    AddTextBox(grid, 5, 2, "Postcode :", "txtInstallAdd5", &S::InstallerAddress5, 10);
    AddTextBox(grid, 6, 2, "Tel :", "txtServiceNo", &S::EngineerNo, 16);
    AddTextBox(grid, 7, 2, "Engineers Name :", "txtEngineer", &S::Engineer, 25);
    AddDateBox(grid, 0, 4, "Installed on :", "txtInstallDate", &S::InstallDate);
    stxtMain = new QLabel;
    stxtMain->setObjectName(QStringLiteral("stxtMain"));
    stxtMain->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selectable for copying, but never a stop for the focus.
    stxtMain->setFocusPolicy(Qt::NoFocus);
    AddLabel(grid, 2, 4, "Software Version :", stxtMain);
    grid->addWidget(stxtMain, 3, 4);
    txtCommissionDate = AddDateBox(grid, 4, 4, "Commissioned on :", "txtCommissionDate", &S::CommissionDate);
    // The boxes take the width until they are wide enough; the rest goes to the right.
    grid->setColumnStretch(1, 10);
    grid->setColumnStretch(3, 10);
    grid->setColumnStretch(6, 1);
    return MakeGroup("Client and Installer", grid);
}

QLineEdit* SiteConfigTab::AddTextBox(QGridLayout* grid, int row, int column, const char* label,
                                     const char* name, TextField field, int maxLength) {
    // An unlabelled box is a further line of the one above.
    QLineEdit* box = MakeDetailBox(name, field, label ? EditStep(label) : textBoxes_.back().step);
    new TypedLengthLimit(box, maxLength, prompts_);
    box->setMaximumWidth(box->fontMetrics().averageCharWidth() * (maxLength + 8));
    AddLabel(grid, row, column, label, box);
    grid->addWidget(box, row, column + 1);
    return box;
}

QLineEdit* SiteConfigTab::AddDateBox(QGridLayout* grid, int row, int column, const char* label,
                                     const char* name, TextField field) {
    QLineEdit* box = MakeDetailBox(name, field, EditStep(label));
    box->setInputMask(QStringLiteral("00/00/00;_"));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/000")) + 12);
    // Each date sits below its label, which leaves the width to the addresses.
    AddLabel(grid, row, column, label, box);
    grid->addWidget(box, row + 1, column, Qt::AlignLeft);
    return box;
}

QLineEdit* SiteConfigTab::MakeDetailBox(const char* name, TextField field, std::string step) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    // The displayed text keeps a mask's blanks, which the stored dates need.
    // A masked box reports a key past its end as an edit that changed nothing.
    connect(box, &QLineEdit::textEdited, this, [this, box, field, step] {
        std::string text = ToLatin1(box->displayText());
        if (text == Site().*field) return;
        Site().*field = std::move(text);
        MarkModified(step);
    });
    textBoxes_.push_back({box, field, std::move(step)});
    detailBoxes_.push_back(box);
    return box;
}

void SiteConfigTab::SetTabAndReturnOrder() {
    // Tab goes down the page: the clock panel's box, the access codes and
    // timeouts, the modes, the lists beside them, then the client and
    // installer details, where Return goes the same way.
    std::vector<QWidget*> order = {UploadTimeSelect, txtLvl2,       txtLvl3,          txtCallCode,
                                   txtAttackCode,    txtAccTimeout, txtDivTimeout,    chkAutoNightMode,
                                   mskNightMode,     mskDayMode,    chkHTM2015,       chkSurveyor,
                                   lstLogger,        lstRadioPager, lstEmergSettings, lstAttackSettings};
    order.insert(order.end(), detailBoxes_.begin(), detailBoxes_.end());
    for (std::size_t n = 1; n < order.size(); ++n) setTabOrder(order[n - 1], order[n]);
    for (QLineEdit* box : detailBoxes_) returnChain_->Append(box);
}

// Filling and marking ------------------------------------------------------------

void SiteConfigTab::FillSiteConfigTab() {
    QScopedValueRollback<bool> filling(filling_, true);
    TKSiteConfig1& site = Site();
    // The model takes the state that the controls show, by the rules that
    // the reports follow too.
    ApplySiteSettingRules(site);

    // Every text shows whole: the boxes' limits are on typing only.
    for (const TextBox& text : textBoxes_) TypedLengthLimit::ShowWhole(text.box, Latin1(site.*text.field));
    TypedLengthLimit::ShowWhole(txtLvl2, Latin1(site.AL2Code));
    TypedLengthLimit::ShowWhole(txtLvl3, Latin1(site.AL3Code));
    TypedLengthLimit::ShowWhole(txtCallCode, Latin1(site.CallCode));
    TypedLengthLimit::ShowWhole(txtAttackCode, Latin1(site.AttackCode));
    RefreshMainVersion();

    UploadTimeSelect->setChecked(site.CopyTime);

    mskNightMode->ShowTime(Latin1(site.NightModeTime));
    mskDayMode->ShowTime(Latin1(site.DayModeTime));

    // The controls' own rules (which boxes are enabled) are applied whatever
    // the boxes showed before, so the result depends on the model alone.
    chkAutoNightMode->setChecked(site.NightModeAutoEnable);
    chkHTM2015->setChecked(site.HTM2015Enable);
    ApplyHTM2015Rule();
    chkSurveyor->setChecked(site.SurveyorEnable);
    ApplySurveyorRule();

    txtAccTimeout->setValue(site.AccTimeout);
    txtDivTimeout->setValue(site.DivTimeout);

    lstLogger->setCurrentIndex(site.LoggerSetting);
    lstEmergSettings->setCurrentIndex(site.EmergState ? 1 : 0);
    lstAttackSettings->setCurrentIndex(site.AttackState ? 1 : 0);
    lstRadioPager->setCurrentIndex(site.PagerLevel);

    EnableNightModeTimes();
}

void SiteConfigTab::MarkModified(const std::string& step) {
    if (!filling_) document_.Changed(step);
}

bool SiteConfigTab::UploadTimeSelected() const {
    return UploadTimeSelect->isChecked();
}

void SiteConfigTab::HoldBackEditing(bool held) {
    for (QWidget* control : editingControls_) control->setEnabled(!held);
}

void SiteConfigTab::SetConnectionStatusText(const QString& text) {
    stxtConnectedStatus->setText(text);
}

void SiteConfigTab::SetClock(const QString& date, const QString& time) {
    stxtCurrentDate->setText(date);
    stxtCurrentTime->setText(time);
}

void SiteConfigTab::RefreshMainVersion() {
    stxtMain->setText(Latin1(data_.GetMainVersion()));
}

}  // namespace kelvane
