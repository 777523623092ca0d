#pragma once
// A process-wide paste rule for every edit control: multi-line edits get the clipboard's line
// breaks as CR LF, single-line edits only its first line.
#include <windows.h>

// Replaces the edit class's window procedure through `edit`; edits created afterwards use the
// filter, edits that exist already keep the old procedure.
void installPasteFilter(HWND edit);
// Puts the previous class procedure back; `edit` must still exist.
void removePasteFilter();
