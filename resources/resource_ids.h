// Numeric ids of the program's resources, shared by hovrel.rc and the code
// that loads them. Macros, because the resource compiler reads nothing else.
#pragma once

#define IDI_PROGRAM 1
#define IDI_TRAY 2
