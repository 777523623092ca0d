// The status bar along the bottom of the main window and its two "系统音量" picture dialogs:
// templates, controls and pictures. Plain macros, because the resource compiler reads this
// file too.
#pragma once

#define IDD_STATUS_BAR 195
// "系统音量" for Windows 6 and later, and for the versions before
#define IDD_SYSTEM_VOLUME_NEW 197
#define IDD_SYSTEM_VOLUME_OLD 198
#define IDB_SYSTEM_VOLUME_NEW 3197
#define IDB_SYSTEM_VOLUME_OLD 3198

#define IDC_DEVICE_TEXT 1758
// "另选/多路": opens the output-device dialog
#define IDC_CHOOSE_DEVICE_LINK 1759
#define IDC_VOLUME_TEXT 1760
// "修改": the "系统音量" picture dialog
#define IDC_VOLUME_HELP_LINK 1761
// Hidden link; as a command it refreshes the device and the volume
#define IDC_REFRESH_BAR 1762
#define IDC_VOLUME_LABEL 1764
// The picture dialogs' frame that the picture fills
#define IDC_VOLUME_PICTURE 1774
