// Start-up order and its one failure, with COM, the framework message box and the
// wizard replaced at link time by the recorders below.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/install_app.h"
#include "framework/msgbox.h"
#include "framework/ole.h"

namespace {
struct Recorder
{
    BOOL bOleResult = TRUE;
    std::vector<std::string> events;
    std::string lastText;
    UINT lastType = 0xFFFF;
    UINT lastHelp = 0xFFFF;
} rec;
}  // namespace

BOOL AfxOleInit()
{
    rec.events.push_back("ole");
    return rec.bOleResult;
}

void AfxEnableControlContainer()
{
    rec.events.push_back("container");
}

int AfxMessageBox(const char* pszText, UINT nType, UINT nIDHelp)
{
    rec.events.push_back("msgbox");
    rec.lastText = pszText;
    rec.lastType = nType;
    rec.lastHelp = nIDHelp;
    return IDOK;
}

void RunInstallerWizard()
{
    // The wizard sees the language already selected.
    rec.events.push_back(std::string("wizard:") + (g_textSlots[1] ? g_textSlots[1] : "(none)"));
}

namespace {

TEST(Startup, ComFailureShowsEnglishMessageAndNoWizard)
{
    rec = Recorder();
    rec.bOleResult = FALSE;
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(rec.events, (std::vector<std::string>{"container", "ole", "msgbox"}));
    EXPECT_EQ(rec.lastText, "Could not initialize COM dll");
    EXPECT_EQ(rec.lastType, UINT(MB_OK));
    EXPECT_EQ(rec.lastHelp, 0u);
    EXPECT_EQ(g_nCodePage, 0);
    EXPECT_EQ(g_textSlots[1], nullptr);
    EXPECT_EQ(g_nLicenseResId, 0);
}

TEST(Startup, NormalRunSelectsChineseThenRunsWizardOnceAndReturnsFalse)
{
    rec = Recorder();
    EXPECT_FALSE(theApp.InitInstance());
    ASSERT_EQ(rec.events.size(), 3u);
    EXPECT_EQ(rec.events[0], "container");
    EXPECT_EQ(rec.events[1], "ole");
    EXPECT_EQ(rec.events[2], "wizard:\xB0\xB2\xD7\xB0");  // 安装
    EXPECT_EQ(g_nCodePage, 936);
    EXPECT_EQ(g_nLicenseResId, 142);
    // Cancelled before the destination page: nothing chosen, no script.
    EXPECT_TRUE(g_strInstallDir.empty());
    EXPECT_FALSE(g_uninstallScript.IsOpen());
}

TEST(Startup, SharedStateStartValues)
{
    EXPECT_STREQ(g_szProductName, "Ostrevan4.1C");
    EXPECT_EQ(g_strCaption, "Install");
    EXPECT_STREQ(theApp.GetTitle(), "startup_test");  // derived from the program's file name
}

}  // namespace
