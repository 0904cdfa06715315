#pragma once

#include "platform.h"

// Returns the command tail inside commandLine: what follows the program name
// and the blanks after it. commandLine must not be null.
LPSTR CommandTail(LPSTR commandLine);
