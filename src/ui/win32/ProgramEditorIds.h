// The program editor "定时播" and the amplifier advice "功放开/关" that one of its links opens:
// templates and controls. Plain macros, because the resource compiler reads this file too.
#pragma once

#define IDD_PROGRAM_EDITOR 138
#define IDD_AMPLIFIER_POWER 143

#define IDC_NAME 1009
#define IDC_FILE_MODE 1012
#define IDC_FOLDER_MODE 1013
#define IDC_FILE_PATH 1014
#define IDC_FOLDER_PATH 1015
#define IDC_SECONDS_MODE 1016
#define IDC_SONGS_MODE 1017
#define IDC_SECONDS 1018
#define IDC_SONGS 1019
#define IDC_SEQUENTIAL 1020
#define IDC_RANDOM 1021
#define IDC_CHOOSE_FILE 1023
#define IDC_CHOOSE_FOLDER 1024
#define IDC_SAMPLE_AUDIO_LINK 1026
#define IDC_LOUDNESS_LINK 1028
#define IDC_RECORDING_LINK 1029
#define IDC_SEQUENTIAL_INFO 1030
#define IDC_RANDOM_INFO 1031
#define IDC_VOLUME_GUIDE_LINK 1032
#define IDC_LATE_START_LINK 1033
#define IDC_FADE_LINK 1034
#define IDC_DEVICE_LINK 1036
#define IDC_AMPLIFIER_LINK 1037
#define IDC_EXPERT_LINK 1038
#define IDC_VOLUME 1070
#define IDC_START_SUMMARY 1107
#define IDC_RANGE_TEXT 1112
#define IDC_SET_RANGE 1113
#define IDC_DAY_SUMMARY 1339
#define IDC_CHOOSE_DAYS 1340
#define IDC_SET_START_TIMES 1485
#define IDC_DISABLED 1486
#define IDC_ON_TIME 1543
#define IDC_DELAYABLE 1544
#define IDC_DURATION 1581

// "功放开/关"
#define IDC_AMPLIFIER_TEXT 1103
