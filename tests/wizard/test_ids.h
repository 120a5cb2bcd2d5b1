// Ids of the test programs' own dialogs and controls (the product's are in res/resource.h).
#pragma once

// A wizard page with a header band but no icon place, and one with an icon place only.
#define IDD_TEST_BAND_ONLY 140
#define IDD_TEST_ICON_ONLY 141
// The label tests' host dialog and its statics.
#define IDD_TEST_LABELS 150
#define IDC_TEST_LABEL 1101
#define IDC_TEST_LABEL2 1102
// An edit on every test page, to hold the focus.
#define IDC_TEST_EDIT 1120
