#pragma once

#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/random.h"
#include "platform/shell.h"

// What the program asks of the outside world, handed to the windows.
struct Platform {
    Prompter& prompter;
    Clock& clock;
    Shell& shell;
    FileChooser& chooser;
    RandomSource& random;
};
