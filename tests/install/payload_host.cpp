// An empty DLL; tests copy it and give the copy the payload resource they need.
#include <windows.h>

extern "C" __declspec(dllexport) int PayloadHostVersion()
{
    return 1;
}
