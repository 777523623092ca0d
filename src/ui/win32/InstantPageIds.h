// The immediate-play page: its template and controls. Plain macros, because the resource
// compiler reads this file too.
#pragma once

#define IDD_INSTANT_PAGE 187

// Hidden button: the shell's start-up command that loads the page's data
#define IDC_LOAD_INSTANT 1401
