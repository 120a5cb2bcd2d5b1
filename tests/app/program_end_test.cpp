// The uninstall script reaches the disk only when the program ends.
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/temp_dir.h"

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ProgramEnd, ScriptIsCompleteOnlyAfterTheProcessEnded)
{
    TempDir dir;
    std::string script = dir.path() + "\\uninstall.ini";
    std::string self = ModuleFolder() + "\\script_writer.exe";

    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "ostrevan_test_ready");
    HANDLE go = CreateEventA(nullptr, TRUE, FALSE, "ostrevan_test_go");
    std::string cmd = "\"" + self + "\" \"" + script + "\" ostrevan_test_ready ostrevan_test_go";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << "cannot start " << self;
    HANDLE waits[2] = {ready, pi.hProcess};
    ASSERT_EQ(WaitForMultipleObjects(2, waits, FALSE, 60000), WAIT_OBJECT_0) << "helper ended early";

    // While the installer holds it: written lines are still buffered, and the file is not shared.
    WIN32_FILE_ATTRIBUTE_DATA info = {};
    ASSERT_TRUE(GetFileAttributesExA(script.c_str(), GetFileExInfoStandard, &info));
    EXPECT_EQ(info.nFileSizeLow, 0u);
    HANDLE other = CreateFileA(script.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    if (other != INVALID_HANDLE_VALUE)
        CloseHandle(other);

    SetEvent(go);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(ready);
    CloseHandle(go);

    EXPECT_EQ(ReadAll(script),
              "J0,2,SOFTWARE\\Ostrevan4.1C,\r\n"
              "A80,Are you sure you want terminate the uninstall\xA3\xBF\r\n");
}

}  // namespace
