// Resource identifiers of the wizard: templates, controls, bitmaps, strings.
// Control identifiers belong to their template; the same number names
// different controls in different templates.
#pragma once

// Strings
#define IDS_WIZARD_CAPTION 103
#define IDS_DOWNLOAD_PROXY_ADVICE 140
#define IDS_DOWNLOAD_READY 141
#define IDS_DOWNLOAD_CANCELLED 142
#define IDS_DOWNLOAD_FAILED 143
#define IDS_DOWNLOAD_TRY_AGAIN 144
#define IDS_DOWNLOAD_CONTINUE 145
#define IDS_DOWNLOAD_DONE 146
#define IDS_DOWNLOAD_PENDING 147
#define IDS_PROGRESS_DOWNLOADING 148
#define IDS_PROGRESS_COMPLETE 149

// Dialog templates
#define IDD_WIZ_INTRO 104
#define IDD_WIZ_OS 105
#define IDD_WIZ_DOWNLOAD 106
#define IDD_WIZ_OUTRO 107
#define IDD_DOWNLOAD_PROGRESS 129
#define IDD_WIZ_MANUAL_DOWNLOAD 130

// Bitmaps and icons
#define IDR_MAINFRAME 128
#define IDB_WIZARD 130

// Operating-system page (105)
#define IDC_WIN9X 1000
#define IDC_WINNT 1001
#define IDC_OS_NAME 1003
#define IDC_SELECT_MANUALLY 1007
#define IDC_SAVE_INSTALL_FILE 1008

// Download page (106)
#define IDC_MESSAGE 1004
#define IDC_DOWNLOAD 1005
#define IDC_STATUS 1007

// Browser download page (130)
#define IDC_BROWSER_DOWNLOAD 1006

// Download progress dialog (129)
#define IDC_PROGRESS 1001
#define IDC_PROGRESS_TEXT 1004
