// Every resource id of setup.exe, in one place.
#pragma once

// Licence texts, type "FILE", one per language table.
#define IDR_LICENSE_ZH_CN 142
#define IDR_LICENSE_EN 143
#define IDR_LICENSE_ZH_TW 144

// Icons: the wizard window's icon (big and small) and the pages' 32 x 32 header icon.
#define IDI_WIZARD 128
#define IDI_HEADER 130

// Dialog templates: the wizard window and its pages, in wizard order.
#define IDD_WIZARD 131
#define IDD_LICENSE_PAGE 135
#define IDD_DESTINATION_PAGE 136
#define IDD_PROGRESS_PAGE 137
#define IDD_FINISH_PAGE 138

// The wizard window's buttons and the placeholder whose top-left corner receives the pages.
#define ID_WIZBACK 12323
#define ID_WIZNEXT 12324
#define ID_WIZFINISH 12325
#define IDC_PAGE_PLACEHOLDER 1002

// Controls shared by the pages: header icon place, title, subtitle, header band area.
#define IDC_HEADER_ICON 1007
#define IDC_TITLE 1008
#define IDC_SUBTITLE 1009
#define IDC_HEADER_BAND 1010
