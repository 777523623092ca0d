#pragma once
// A child window of class "Broadcast_HTMLPage" showing one local HTML file in the web browser
// control. Where the control never gets a document (no HTML engine installed), it shows the
// page's text in a read-only edit instead.
#include <windows.h>

#include <string>

HWND createHtmlView(HWND parent, int id, const std::wstring& path);
