#pragma once
// Resource and control ids of the shell's own windows; read by the resource script and the code.
#define IDI_MAIN_LARGE 107
#define IDI_MAIN_SMALL 108
#define IDS_MAIN_TITLE 103
#define IDS_UPDATE_TITLE 111
#define IDS_UPDATE_TEXT 112
#define IDR_EMBEDDED_FONT 173
#define IDR_ACCELERATORS 189
#define IDD_CLOSE_PROMPT 190
#define IDR_TRAY_MENU 192
#define IDD_NAV_BAR 208
#define IDD_HELP_PAGE 132
#define IDD_TROUBLESHOOTING_PAGE 153
#define IDD_HARDWARE_DIAGRAM 220
#define IDD_QUICK_START 221
#define IDB_NAV_FIRST 242
#define IDB_HARDWARE_DIAGRAM 3220

// Close prompt
#define IDC_CLOSE_TO_TRAY 1526
#define IDC_CLOSE_EXIT 1527
// Navigation bar: the hidden edit through which the paste filter reaches the edit class
#define IDC_NAV_EDIT 1745
// Help page
#define IDC_HELP_TITLE 1321
#define IDC_HELP_QUICK_START 1322
#define IDC_HELP_HARDWARE 1323
#define IDC_HELP_ABOUT 1324
// Hardware diagram dialog: the frame the picture fills
#define IDC_DIAGRAM_FRAME 1325
// Troubleshooting page: the HTML view and, where no browser works, its read-only text
#define IDC_HTML_VIEW 1530
#define IDC_HTML_TEXT 1531
