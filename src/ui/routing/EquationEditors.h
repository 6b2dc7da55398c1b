#pragma once
#include <functional>

#include "file/Document.h"
#include "model/Data.h"

class QWidget;

namespace kelvane {

class Beeper;
class TfrmAreaEquation;
class TfrmDeviceEquation;
class TfrmGroupEquation;

// The three equation editors, created once with the main window and shared
// by the Zone Config and Group Config tabs, and the way each box of those
// tabs opens one. The dialogs belong to `window`.
class EquationEditors {
public:
    EquationEditors(TData& data, Document& document, QWidget* window);
    EquationEditors(const EquationEditors&) = delete;
    EquationEditors& operator=(const EquationEditors&) = delete;

    // After an area or device equation was stored: the active page refreshes.
    std::function<void()> RefreshActivePage;
    // After divert groups were stored: the Group Config tab refreshes.
    std::function<void()> RefreshGroupConfig;
    // F1 in an editor opens the help at its topic.
    void SetHelp(const std::function<void(int topic)>& showHelp);
    void SetBeeper(Beeper& beeper);

    // The box clicks (z 1..64, g 1..32).
    void EditZoneAreas(int z);
    void EditZoneDevices(int z);
    void EditGroupPrimaryAreas(int g);
    void EditGroupNightAreas(int g);
    void EditGroupDiverts(int g);

    TfrmAreaEquation* frmAreaEquation;
    TfrmDeviceEquation* frmDeviceEquation;
    TfrmGroupEquation* frmGroupEquation;

private:
    // The area editor over `equation`; on "ACCEPT" the 9 entries go back
    // into it, the document is modified and the active page refreshed.
    // `equation` of `owner` ("Zone") `number`, whose accepted change is the
    // step "Edit Zone 4 " + `name` ("Area Equation").
    void EditAreas(const char* heading, const char* owner, int number, const char* name, Equation& equation);
    void Refresh(const std::function<void()>& refresh) const;

    TData& data_;
    Document& document_;
};

}  // namespace kelvane
