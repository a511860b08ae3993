#pragma once

// <windows.h>, less the macros that would rename the calculator's own names: MessageBox is one
// of platform's interfaces, and the Windows function is called by its full name, MessageBoxW.
#include <windows.h>

#undef MessageBox
