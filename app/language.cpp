#include "app/language.h"

#include "app/globals.h"
#include "app/text_table.h"

bool SelectLanguage(int nCodePage)
{
    const TextTable* table = &g_tableEn;
    int nLicenseResId = 143;
    if (nCodePage == 936)
    {
        table = &g_tableZhCn;
        nLicenseResId = 142;
    }
    else if (nCodePage == 950)
    {
        table = &g_tableZhTw;
        nLicenseResId = 144;
    }

    for (int n = 0; n < 100; ++n)
        g_textSlots[n] = table->slot[n];
    g_nLicenseResId = nLicenseResId;
    return true;
}
