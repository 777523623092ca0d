// The two play-now dialogs "立即播此节目", one for a number of seconds and one for a number of
// songs: templates and controls. Plain macros, because the resource compiler reads this file too.
#pragma once

#define IDD_PLAY_NOW_SECONDS 175
#define IDD_PLAY_NOW_SONGS 176

#define IDC_PLAY_NOW_SECONDS_NAME 1585
#define IDC_PLAY_NOW_SECONDS 1376
#define IDC_PLAY_NOW_FADE_LINK 1034
#define IDC_PLAY_NOW_SONGS_NAME 1584
#define IDC_PLAY_NOW_SONGS 1377
