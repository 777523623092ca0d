#pragma once
// The help page and the two dialogs it opens, "快速入手" and "广播硬件构成图": templates,
// controls and the diagram's picture. Plain macros, because the resource compiler reads this
// file too.
#define IDD_HELP_PAGE 132
#define IDD_HARDWARE_DIAGRAM 220
#define IDD_QUICK_START 221
#define IDB_HARDWARE_DIAGRAM 3220

#define IDC_HELP_TITLE 1321
#define IDC_HELP_QUICK_START 1322
#define IDC_HELP_HARDWARE 1323
#define IDC_HELP_ABOUT 1324
// Hardware diagram dialog: the frame the picture fills
#define IDC_DIAGRAM_FRAME 1325
