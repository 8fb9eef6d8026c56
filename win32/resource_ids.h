// Numbers of the program's resources, shared by the resource script and the
// code that loads them.
#pragma once

#define SKINWRIGHT_ICON 128
#define SKINWRIGHT_GENERATE_BITMAP 130
#define SKINWRIGHT_HELP_BITMAP 131
#define SKINWRIGHT_ABOUT_STRING 101

// Each button picture is also made at 150 and 200 percent, under its number
// plus these.
#define SKINWRIGHT_BITMAP_AT_150 1000
#define SKINWRIGHT_BITMAP_AT_200 2000
#define SKINWRIGHT_GENERATE_BITMAP_150 1130
#define SKINWRIGHT_GENERATE_BITMAP_200 2130
#define SKINWRIGHT_HELP_BITMAP_150 1131
#define SKINWRIGHT_HELP_BITMAP_200 2131
