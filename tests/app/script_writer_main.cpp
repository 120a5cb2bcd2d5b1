// Helper program for the program-end test: opens the shared uninstall script,
// writes two lines, tells the test, waits for its go, then ends normally.
//   script_writer <script path> <ready event> <go event>
#include <windows.h>

#include "app/globals.h"

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (!ready || !go)
        return 3;
    if (!g_uninstallScript.Open(argv[1], CStdioFile::modeCreate | CStdioFile::modeWrite | CStdioFile::typeText))
        return 4;
    g_uninstallScript.WriteString("J0,2,SOFTWARE\\Ostrevan4.1C,\n");
    g_uninstallScript.WriteString("A80,Are you sure you want terminate the uninstall\xA3\xBF\n");
    SetEvent(ready);
    WaitForSingleObject(go, 60000);
    return 0;  // the script is closed by the shared state's destruction
}
