// The plan view "播放计划": its template, controls and export menu. Plain macros, because the
// resource compiler reads this file too.
#pragma once

#define IDD_PLAN_VIEW 238

#define IDC_PLAN_DATE_LABEL 2001
#define IDC_PLAN_DATE 2002
#define IDC_PLAN_PREVIOUS_DAY 2003
#define IDC_PLAN_NEXT_DAY 2004
#define IDC_PLAN_TODAY 2005
#define IDC_PLAN_EXPORT 2006
// The static above the lists: the shift day or holiday that governs the day, else empty
#define IDC_PLAN_GOVERNING 2007
#define IDC_PLAN_STARTS_LABEL 2008
#define IDC_PLAN_STARTS 2009
#define IDC_PLAN_SILENT_LABEL 2010
#define IDC_PLAN_SILENT 2011

// "导出…": the day, or the seven days from it
#define IDR_PLAN_EXPORT_MENU 239
#define IDM_PLAN_EXPORT_DAY 32871
#define IDM_PLAN_EXPORT_WEEK 32872
