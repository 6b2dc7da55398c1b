#pragma once

namespace kelvane {

// The system sound that the equation editors play with their warnings. The
// program plays the platform's beep; tests count the calls.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// The platform's beep, for the whole program.
Beeper& SystemBeeper();

}  // namespace kelvane
