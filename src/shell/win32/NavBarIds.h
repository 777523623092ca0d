#pragma once
// The navigation bar: template, controls and the first of its pictures. Plain macros, because
// the resource compiler reads this file too.
#define IDD_NAV_BAR 208

// The hidden edit through which the paste filter reaches the edit class
#define IDC_NAV_EDIT 1745

// Pictures 242 to 253
#define IDB_NAV_FIRST 242
