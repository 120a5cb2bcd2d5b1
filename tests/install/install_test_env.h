// Common set-up for tests of the installation engine: Chinese texts, COM, and
// a throwaway install folder with the uninstall script opened in it.
#pragma once
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <objbase.h>

#include "app/globals.h"
#include "app/language.h"
#include "install/uninstall_script.h"
#include "tests/support/install_host.h"
#include "tests/support/temp_dir.h"

class InstallFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        SelectLanguage(936);
        g_strInstallDir = m_dir.path() + "\\";
        ASSERT_TRUE(OpenUninstallScript(g_strInstallDir));
    }
    void TearDown() override
    {
        g_uninstallScript.Close();
        g_strInstallDir.clear();
        CoUninitialize();
    }

    // The script's lines so far (the script is closed to read it).
    std::vector<std::string> ScriptLines()
    {
        g_uninstallScript.Close();
        std::string bytes = ReadFileBytes(m_dir.path() + "\\uninstall.ini");
        std::vector<std::string> lines;
        size_t start = 0;
        while (start < bytes.size())
        {
            size_t end = bytes.find("\r\n", start);
            if (end == std::string::npos)
            {
                lines.push_back(bytes.substr(start) + "<no CR LF>");
                break;
            }
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    TempDir m_dir;
};
