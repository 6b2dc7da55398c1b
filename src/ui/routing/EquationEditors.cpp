#include "ui/routing/EquationEditors.h"

#include "ui/routing/TfrmAreaEquation.h"
#include "ui/routing/TfrmDeviceEquation.h"
#include "ui/routing/TfrmGroupEquation.h"

namespace kelvane {

EquationEditors::EquationEditors(TData& data, Document& document, QWidget* window)
    : frmAreaEquation(new TfrmAreaEquation(window)),
      frmDeviceEquation(new TfrmDeviceEquation(data, document, window)),
      frmGroupEquation(new TfrmGroupEquation(data, document, window)),
      data_(data),
      document_(document) {
    frmDeviceEquation->OnStored = [this] { Refresh(RefreshActivePage); };
    frmGroupEquation->OnStored = [this] { Refresh(RefreshGroupConfig); };
}

void EquationEditors::SetHelp(const std::function<void(int topic)>& showHelp) {
    frmAreaEquation->OnHelp = showHelp;
    frmDeviceEquation->OnHelp = showHelp;
    frmGroupEquation->OnHelp = showHelp;
}

void EquationEditors::SetBeeper(Beeper& beeper) {
    frmAreaEquation->SetBeeper(beeper);
    frmDeviceEquation->SetBeeper(beeper);
    frmGroupEquation->SetBeeper(beeper);
}

void EquationEditors::EditZoneAreas(int z) {
    EditAreas("Edit Area Equation", "Zone", z, "Area Equation",
              data_.ZoneList.Zones.at(static_cast<std::size_t>(z)).AreaEquation);
}

void EquationEditors::EditZoneDevices(int z) {
    frmDeviceEquation->EditZone(z);
}

void EquationEditors::EditGroupPrimaryAreas(int g) {
    EditAreas("Edit Primary Area Equation", "Group", g, "Primary Area Equation",
              data_.GroupList.Groups.at(static_cast<std::size_t>(g)).PrimaryAreaEquation);
}

void EquationEditors::EditGroupNightAreas(int g) {
    EditAreas("Edit Night Area Equation", "Group", g, "Night Area Equation",
              data_.GroupList.Groups.at(static_cast<std::size_t>(g)).NightAreaEquation);
}

void EquationEditors::EditGroupDiverts(int g) {
    frmGroupEquation->EditGroup(g);
}

void EquationEditors::EditAreas(const char* heading, const char* owner, int number, const char* name,
                                Equation& equation) {
    const std::string label = std::string("For ") + owner;
    std::string step = std::string("Edit ") + owner + " " + std::to_string(number) + " " + name;
    // Model records live as long as the program, so the equation outlasts the editor.
    frmAreaEquation->Edit(heading, label.c_str(), number, equation,
                          [this, &equation, step = std::move(step)](const Equation& accepted) {
                              equation = accepted;
                              document_.Changed(step);
                              Refresh(RefreshActivePage);
                          });
}

void EquationEditors::Refresh(const std::function<void()>& refresh) const {
    if (refresh) refresh();
}

}  // namespace kelvane
