#pragma once
#include <QStringList>
#include <string>

namespace kelvane {

// What the command line asks of the desktop program.
struct StartupOptions {
    // Talk to the built-in simulated Network Controller instead of a serial port.
    bool Simulate = false;
    // The serial device to use instead of the stored port ("/dev/ttyUSB0").
    std::string PortDevice;
    // The site file to open once the window is showing (full path, as the
    // file system names it); empty for none.
    std::string OpenPath;
    // With Simulate: the share of the record packets the simulated
    // controller acknowledges but stores wrongly or not at all (0..1).
    double CorruptStoreRate = 0.0;
};

// The outcome of reading the command line.
struct ParsedCommandLine {
    StartupOptions Options;
    bool ShowHelp = false;
    // Empty when the command line was understood.
    QString Error;
    QString HelpText;
};

// Reads `arguments` (program name first). Needs no QApplication, so that
// --help works without a display.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace kelvane
