#pragma once
// What the coordinator keeps for the desk utilities between openings.

#include <memory>

#include "app/ui/program_windows.h"
#include "utilities/ui/cd/libcdio_drive.h"
#include "utilities/ui/calendar_window.h"
#include "utilities/ui/calculator_window.h"

namespace vorlane {

struct ProgramWindows::Utilities {
    CalculatorLauncher calculator;
    CalendarPicker calendar{Today()};
    SteadyCdClock clock;
    // Made at the first opening of the CD player and kept, so that a disc
    // plays on after the player's window closes, as a drive would.
    std::unique_ptr<LibcdioDrive> drive;
};

}  // namespace vorlane
