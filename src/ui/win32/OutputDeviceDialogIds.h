// The output-device dialog "选音频输出设备": its template and controls. Plain macros, because
// the resource compiler reads this file too.
#pragma once

#define IDD_OUTPUT_DEVICE 196

// "默认的音频输出设备"
#define IDC_DEFAULT_DEVICE 1771
// "下面的音频输出设备:", with the drop-down list of the devices below it
#define IDC_LISTED_DEVICE 1772
#define IDC_DEVICE_LIST 1773
