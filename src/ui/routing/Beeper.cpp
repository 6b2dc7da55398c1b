#include "ui/routing/Beeper.h"

#include <QApplication>

namespace kelvane {
namespace {

class ApplicationBeeper final : public Beeper {
public:
    void Beep() override { QApplication::beep(); }
};

}  // namespace

Beeper& SystemBeeper() {
    static ApplicationBeeper beeper;
    return beeper;
}

}  // namespace kelvane
