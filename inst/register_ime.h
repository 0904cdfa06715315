#pragma once

// Registers qorxp.IME from the Windows system directory with the input
// method manager. Reports nothing back.
void RegisterIme();
