// The status bar along the bottom of the main window: its template and controls. Plain
// macros, because the resource compiler reads this file too.
#pragma once

#define IDD_STATUS_BAR 195

#define IDC_DEVICE_TEXT 1758
// Hidden link; as a command it makes the bar show the output device again
#define IDC_REFRESH_BAR 1762
