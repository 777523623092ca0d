#pragma once
// The timed-play page's commands on its program list (add, modify, delete, enable, disable,
// move, sort, play now), each saving the programs file after a change, and the page's
// context menus.
#include <windows.h>

class TimedPlayController;

// Runs command `id` of the menu "定时播" on `page`; false when `id` is not one of them.
// `timedPlay` is asked about, and stops, the plays of the programs changed.
bool runProgramCommand(HWND page, TimedPlayController& timedPlay, int id);

// The menu of list `listId` (program list "定时播", now-playing "正在播放", log "日志") at
// `screen`; the chosen command reaches `page` as WM_COMMAND.
void showListMenu(HWND page, int listId, POINT screen);
