// Numbers of the program's resources, shared by the resource script and the
// code that loads them.
#pragma once

#define SKINWRIGHT_ICON 128
#define SKINWRIGHT_GENERATE_BITMAP 130
#define SKINWRIGHT_HELP_BITMAP 131
#define SKINWRIGHT_ABOUT_STRING 101
