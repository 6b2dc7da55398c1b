#pragma once
#include <functional>

namespace kelvane {

// What the main window hands to the parts that own the controller link, the
// serial port choice and printing. Every hook is optional: an unset hook
// does nothing. The controller commands run only after the code gate passed.
struct MainWindowHooks {
    // The tool buttons: everything from or to the controller.
    std::function<void()> LoadAllFromController;
    std::function<void()> SaveAllToController;
    // Controller > Compare with Controller and its tool button.
    std::function<void()> CompareWithController;
    // The push buttons: the data of `page` (core/Pages.h) from or to the controller.
    std::function<void(int page)> LoadPageFromController;
    std::function<void(int page)> SavePageToController;

    // Page changes. Leaving View Event Log: the next transfer or poll must
    // shake hands again. Every change: text-only reception ends. Entering
    // View Event Log: the link switches to event-log reception.
    std::function<void()> LeavingEventLog;
    std::function<void()> EndTextOnlyReception;
    std::function<void()> EnteringEventLog;

    // First show: the stored port (1..4) selects the link's port and the
    // matching choice of the port selection dialog.
    std::function<void(int port)> SelectStoredPort;
    // Settings > Select Serial Port.
    std::function<void()> SelectSerialPort;

    // The print options (tool button and File > Print; after the code gate)
    // and File > Printer Properties.
    std::function<void()> PrintOptions;
    std::function<void()> PrinterProperties;

    // Exit while a controller transfer runs: asks whether to cancel it first.
    std::function<void()> CancelTransfer;

    // Every second, after the clock texts were written: the connection text.
    std::function<void()> ClockTick;
};

}  // namespace kelvane
