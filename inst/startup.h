#pragma once

// The process entry point: derives the command tail from the process command
// line, runs WinMain and ends the process with its result as exit code.
extern "C" void WinMainCRTStartup();
