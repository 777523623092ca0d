#pragma once
// Gives every user a port of the console (web/PortGrant.h) through an elevated command shell,
// after Windows' prompt for an administrator, on a thread of its own: the prompt waits for the
// operator, and the bells must not.
#include <windows.h>

// `owner` is the window the prompt belongs to. The thread holds nothing of its caller's: it posts
// `message` to `window` with wParam `tag` and lParam 0 once the commands have run (whatever they
// returned: the listener's next try tells), ERROR_CANCELLED when the operator said no, or the
// error that kept them from starting. A window gone by then misses it, and nothing else happens.
void grantPortElevated(HWND owner, HWND window, UINT message, WPARAM tag, int port);
