#pragma once
// The close prompt: template and controls. Plain macros, because the resource compiler reads
// this file too.
#define IDD_CLOSE_PROMPT 190

#define IDC_CLOSE_TO_TRAY 1526
#define IDC_CLOSE_EXIT 1527
