#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "fuzz/targets/ModelConsumers.h"
#include "transfer/LoadAnswers.h"

namespace kelvane::fuzz {

// The controller's load answers stored into the site model, in any order and
// with any payload, then the model used as the program uses a loaded site.
void LoadAnswers(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    TData model;
    model.ResetToDefaults();
    model.SiteConfig.MainVersion = in.Bytes(5);
    kelvane::LoadAnswers answers(model);
    while (!in.Empty()) {
        const std::uint8_t which = in.Byte();
        const int device = in.Byte() + 1;
        const std::string payload = in.Bytes(in.Byte());
        switch (which % 12) {
            case 0:
                answers.Device(device, payload);
                break;
            case 1:
                answers.Zone(payload);
                break;
            case 2:
                answers.Group(payload);
                break;
            case 3:
                answers.CallCode(payload);
                break;
            case 4:
                answers.AttackCode(payload);
                break;
            case 5:
                answers.AccessCodes(payload);
                break;
            case 6:
                answers.NightMode(payload);
                break;
            case 7:
                answers.Timeouts(payload);
                break;
            case 8:
                answers.Logger(payload);
                break;
            case 9:
                answers.Pager(payload);
                break;
            case 10:
                answers.Emergency(payload);
                break;
            default:
                answers.CustomName(payload);
                break;
        }
    }
    UseModel(model);
}

}  // namespace kelvane::fuzz
