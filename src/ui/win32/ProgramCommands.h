#pragma once
// The timed-play page's commands on its program list (add, modify, delete, enable, disable,
// move, sort, play now), each carried out by the program list's owner, and the page's context
// menus.
#include <windows.h>

#include "ui/win32/ProgramEditor.h"

class TimedPlayController;

struct ProgramCommandTargets {
    ProgramStore& programs;
    TimedPlayController& timedPlay;  // "立即播此节目"
    const ProgramEditorContext& editor;
};

// Runs command `id` of the menu "定时播" on `page`; false when `id` is not one of them.
bool runProgramCommand(HWND page, const ProgramCommandTargets& targets, int id);

// The menu of list `listId` (program list "定时播", now-playing "正在播放", log "日志") at
// `screen`; the chosen command reaches `page` as WM_COMMAND.
void showListMenu(HWND page, int listId, POINT screen);
