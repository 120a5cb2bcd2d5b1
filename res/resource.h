// Every resource id of setup.exe, in one place.
#pragma once

// Licence texts, type "FILE", one per language table.
#define IDR_LICENSE_ZH_CN 142
#define IDR_LICENSE_EN 143
#define IDR_LICENSE_ZH_TW 144
