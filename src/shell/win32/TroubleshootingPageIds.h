#pragma once
// The troubleshooting page: template and controls. Plain macros, because the resource
// compiler reads this file too.
#define IDD_TROUBLESHOOTING_PAGE 153

// The HTML view and, inside it where no browser works, its read-only text
#define IDC_HTML_VIEW 1530
#define IDC_HTML_TEXT 1531
