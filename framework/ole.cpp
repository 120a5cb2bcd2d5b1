#include "framework/ole.h"

#include <ole2.h>

namespace {
// Balances a successful OleInitialize when the program ends.
struct OleTerm
{
    bool active = false;
    ~OleTerm()
    {
        if (active)
            OleUninitialize();
    }
} s_oleTerm;
}  // namespace

BOOL AfxOleInit()
{
    if (s_oleTerm.active)
        return TRUE;
    if (FAILED(OleInitialize(nullptr)))
        return FALSE;
    s_oleTerm.active = true;
    return TRUE;
}

void AfxEnableControlContainer()
{
}
