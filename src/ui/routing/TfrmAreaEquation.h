#pragma once
#include <functional>

#include "ui/routing/EquationEditor.h"

namespace kelvane {

// The area editor: a zone's area equation and a group's primary and night
// areas. It works on a copy; the caller stores the result.
class TfrmAreaEquation : public EquationEditor {
    Q_OBJECT
public:
    explicit TfrmAreaEquation(QWidget* parent = nullptr);

    using Accepted = std::function<void(const Equation& sorted)>;
    // Shows the editor over a copy of `equation`, under `heading` ("Edit
    // Primary Area Equation") and `label` ("For Group") with `number`. When it
    // closes with "ACCEPT", `accepted` receives all 9 entries, slots sorted.
    void Edit(const char* heading, const char* label, int number, const Equation& equation,
              Accepted accepted);

protected:
    void FillList() override;
    void StoreAccepted(const Equation& accepted) override;

private:
    Accepted accepted_;
};

}  // namespace kelvane
