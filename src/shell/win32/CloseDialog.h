#pragma once
// The close prompt (dialog 190): hide into the notification area, or quit.
void askCloseOrHide();
