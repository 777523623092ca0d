#pragma once
// The import dialog "正在导入...": measures the length of each file on a worker thread while it
// shows the progress, and lets the operator cancel.
#include <windows.h>

#include <string>
#include <vector>

#include "audio/win32/ToolsSource.h"
#include "instant/InstantItem.h"

// The items to append for `paths`, in order: at most `room` of them, none when the operator
// cancelled. Tells over the dialog when files were left over for want of room and when paths
// were too long for the list.
std::vector<InstantItem> importAudioFiles(HWND owner, const std::vector<std::u16string>& paths, int room,
                                          const AudioToolsConfig& tools);
