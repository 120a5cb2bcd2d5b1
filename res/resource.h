// Every resource id of setup.exe, in one place. Dialog and control ids are the
// numbers the pages and the wizard look their windows up by.
#pragma once

// Icons: the wizard window's icon (big and small) and the pages' 32 x 32 header icon.
#define IDI_WIZARD 128
#define IDI_HEADER 130
// The licence page's picture (120 x 260, 16 colours).
#define IDB_LICENSE 132

// Dialog templates: the wizard window and its pages, in wizard order.
#define IDD_WIZARD 131
#define IDD_LICENSE_PAGE 135
#define IDD_DESTINATION_PAGE 136
#define IDD_PROGRESS_PAGE 137
#define IDD_FINISH_PAGE 138

// Resources of type "FILE": the payload archive and the licence texts, one per language table.
#define IDR_PAYLOAD 139
#define IDR_LICENSE_ZH_CN 142
#define IDR_LICENSE_EN 143
#define IDR_LICENSE_ZH_TW 144

// The wizard window's buttons and the placeholder whose top-left corner receives the pages.
#define ID_WIZBACK 12323
#define ID_WIZNEXT 12324
#define ID_WIZFINISH 12325
#define IDC_PAGE_PLACEHOLDER 1002

// Controls of the pages; 1007 to 1010 are shared by the pages with a header band.
#define IDC_LICENSE_TEXT 1003
#define IDC_ACCEPT 1004
#define IDC_REFUSE 1005
#define IDC_LICENSE_TITLE 1006
#define IDC_HEADER_ICON 1007
#define IDC_TITLE 1008
#define IDC_SUBTITLE 1009
#define IDC_HEADER_BAND 1010
#define IDC_AUTOLOAD_LIST 1011
#define IDC_FOLDER_CAPTION 1012
#define IDC_FOLDER 1013
#define IDC_BROWSE 1014
#define IDC_FILE_NAME 1015
#define IDC_PROGRESS 1016
#define IDC_PROGRESS_CAPTION 1017
#define IDC_PROMPT 1018
#define IDC_AUTOLOAD_CAPTION 1019
