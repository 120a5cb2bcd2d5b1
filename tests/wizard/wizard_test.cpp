// The wizard sheet and page base, driven through scripted test pages. The sheet runs
// modelessly (its handlers are called as the buttons would call them) except where
// DoModal's result is the point; those runs end themselves from posted commands.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/wizard/canvas.h"
#include "tests/wizard/test_ids.h"
#include "wizard/wizard_sheet.h"

namespace {

std::vector<std::string> g_log;

// A page whose hook results the test sets, and which logs every hook call as "name:hook".
class ScriptPage : public CWizardPage
{
public:
    ScriptPage(const char* name, UINT nTemplate) : CWizardPage(nTemplate), m_name(name) {}

    BOOL createResult = TRUE;
    BOOL killResult = TRUE;
    BOOL queryCancelResult = TRUE;
    BOOL finishResult = TRUE;
    LRESULT backResult = 0;
    LRESULT nextResult = 0;
    // What OnSetActive saw: the window shown and enabled, the page not yet marked active.
    bool shownAtSetActive = false;

    BOOL OnCreatePage() override { return Log("create"), createResult; }
    void OnDestroyPage() override { Log("destroy"); }
    BOOL OnKillActive() override { return Log("kill"), killResult; }
    void OnSetActive() override
    {
        Log("set");
        shownAtSetActive = (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE) && ::IsWindowEnabled(m_hWnd) && !m_bActive;
    }
    BOOL OnQueryCancel() override { return Log("cancel?"), queryCancelResult; }
    LRESULT OnWizardBack() override { return Log("back"), backResult; }
    LRESULT OnWizardNext() override { return Log("next"), nextResult; }
    BOOL OnWizardFinish() override { return Log("finish"), finishResult; }

    bool Shown() const { return m_hWnd && (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE); }

private:
    void Log(const char* hook) { g_log.push_back(m_name + ":" + hook); }
    std::string m_name;
};

class TestSheet : public CWizardSheet
{
public:
    TestSheet() : CWizardSheet(IDD_WIZARD) {}

    // Commands posted to the window once it is up (for modal runs).
    std::vector<WPARAM> script;

protected:
    BOOL OnInitDialog() override
    {
        SetPlaceholderID(IDC_PAGE_PLACEHOLDER);
        CWizardSheet::OnInitDialog();
        for (WPARAM command : script)
            ::PostMessageA(m_hWnd, WM_COMMAND, command, 0);
        // A safety net only: a run the script does not end ends here instead of hanging.
        SetTimer(kWatchdog, 20000);
        return TRUE;
    }
    void OnTimer(UINT_PTR nIDEvent) override
    {
        if (nIDEvent == kWatchdog)
            EndDialog(-2);
        else
            Default();
    }

private:
    enum : UINT_PTR
    {
        kWatchdog = 77
    };
};

// "Se" shown and enabled, "hd" hidden and disabled, ... for Back, Next, Cancel, Finish.
std::string Buttons(const CWnd& sheet)
{
    std::string out;
    for (int id : {ID_WIZBACK, ID_WIZNEXT, IDCANCEL, ID_WIZFINISH})
    {
        HWND h = sheet.GetDlgItem(id);
        if (!out.empty())
            out += ' ';
        out += (::GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) ? 'S' : 'h';
        out += ::IsWindowEnabled(h) ? 'e' : 'd';
    }
    return out;
}

class WizardTest : public ::testing::Test
{
protected:
    void SetUp() override { g_log.clear(); }
    void TearDown() override
    {
        if (sheet.m_hWnd)
            sheet.DestroyWindow();
    }

    // Adds the pages with their own template ids and opens the sheet modelessly.
    void Open(std::vector<ScriptPage*> pages)
    {
        for (ScriptPage* p : pages)
            sheet.AddPage(p, p->m_nDialogID);
        ASSERT_TRUE(sheet.Create(IDD_WIZARD, nullptr));
    }

    ScriptPage a{"A", IDD_LICENSE_PAGE};
    ScriptPage b{"B", IDD_DESTINATION_PAGE};
    ScriptPage c{"C", IDD_PROGRESS_PAGE};
    ScriptPage d{"D", IDD_FINISH_PAGE};
    TestSheet sheet;
};

using Log = std::vector<std::string>;

TEST_F(WizardTest, InstallerButtonStatesThroughAllFourPages)
{
    Open({&a, &b, &c, &d});
    struct Step
    {
        const char* action;
        ScriptPage* active;
        const char* buttons;
    };
    // Back, Next, Cancel, Finish: the installer's table, then Back from 136 and the
    // progress page's own OnNext to the last page.
    const Step steps[] = {
        {"start", &a, "Sd Se Se he"},  {"next", &b, "Se Se Se he"}, {"back", &a, "Sd Se Se he"},
        {"next", &b, "Se Se Se he"},   {"next", &c, "Sd Sd Sd he"}, {"next", &d, "he hd he Se"},
    };
    for (const Step& s : steps)
    {
        SCOPED_TRACE(s.action);
        if (std::string(s.action) == "next")
            sheet.OnNext();
        else if (std::string(s.action) == "back")
            sheet.OnBack();
        EXPECT_EQ(sheet.GetActivePage(), s.active);
        EXPECT_EQ(Buttons(sheet), s.buttons);
        for (ScriptPage* p : {&a, &b, &c, &d})
            EXPECT_EQ(p->Shown(), p == s.active) << "page shown";
    }
    EXPECT_TRUE(d.shownAtSetActive);
    EXPECT_EQ(b.m_pSheet, &sheet);
}

TEST_F(WizardTest, ProgressPageAsLastPageEndsWithFinishOnly)
{
    Open({&a, &b, &c});
    sheet.OnNext();
    sheet.OnNext();
    EXPECT_EQ(sheet.GetActivePage(), &c);
    EXPECT_EQ(Buttons(sheet), "hd hd he Se");
}

TEST_F(WizardTest, OnePageWizardStartsWithFinish)
{
    Open({&a});
    EXPECT_EQ(sheet.GetActivePage(), &a);
    EXPECT_EQ(Buttons(sheet), "Sd Sd Se Se");
    sheet.OnNext();  // no neighbour: nothing changes
    sheet.OnBack();
    EXPECT_EQ(Buttons(sheet), "Sd Sd Se Se");
    ::SendMessageA(sheet.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_WIZFINISH, BN_CLICKED), 0);
    EXPECT_EQ(sheet.GetEndResult(), ID_WIZFINISH);
}

TEST_F(WizardTest, PagesArePlacedAtThePlaceholderAndCreatedOnce)
{
    Open({&a, &b});
    EXPECT_EQ(g_log, (Log{"A:create", "A:set"}));
    RECT ph, page;
    ::GetWindowRect(sheet.GetDlgItem(IDC_PAGE_PLACEHOLDER), &ph);
    ::GetWindowRect(a.m_hWnd, &page);
    EXPECT_EQ(page.left, ph.left);
    EXPECT_EQ(page.top, ph.top);
    EXPECT_NE(ph.left, 0);
    EXPECT_TRUE(sheet.GetExStyle() & WS_EX_CONTROLPARENT);
    EXPECT_NE(sheet.SendMessage(WM_GETICON, ICON_BIG), 0);
    EXPECT_NE(sheet.SendMessage(WM_GETICON, ICON_SMALL), 0);

    g_log.clear();
    sheet.OnNext();
    sheet.OnBack();
    sheet.OnNext();
    EXPECT_EQ(g_log, (Log{"A:next", "B:create", "A:kill", "B:set", "B:back", "B:kill", "A:set", "A:next",
                          "A:kill", "B:set"}));
    EXPECT_TRUE(a.m_bCreated);
    EXPECT_FALSE(a.m_bActive);
    EXPECT_TRUE(::IsWindowEnabled(a.m_hWnd)) << "a hidden page stays enabled";
}

TEST_F(WizardTest, HookResultsChooseTheTarget)
{
    Open({&a, &b, &c, &d});
    struct Case
    {
        const char* name;
        ScriptPage* from;
        bool next;
        LRESULT result;
        ScriptPage* to;
        const char* buttons;
        Log log;
    };
    const Case cases[] = {
        {"next -1 stays", &a, true, -1, &a, "Sd Se Se he", {"A:next"}},
        {"back -1 stays", &b, false, -1, &b, "Se Se Se he", {"B:back"}},
        {"unknown id stays", &b, true, 999, &b, "Se Se Se he", {"B:next"}},
        {"back 0 on first stays", &a, false, 0, &a, "Sd Se Se he", {"A:back"}},
        {"next to an earlier id enables Back", &b, true, IDD_LICENSE_PAGE, &a, "Se Se Se he",
         {"B:next", "B:kill", "A:set"}},
        {"back to the first id", &b, false, IDD_LICENSE_PAGE, &a, "Sd Se Se he", {"B:back", "B:kill", "A:set"}},
        {"own id re-activates", &b, true, IDD_DESTINATION_PAGE, &b, "Se Se Se he", {"B:next", "B:kill", "B:set"}},
        {"back own id", &b, false, IDD_DESTINATION_PAGE, &b, "Se Se Se he", {"B:back", "B:kill", "B:set"}},
    };
    for (const Case& k : cases)
    {
        SCOPED_TRACE(k.name);
        // Start from a known place: the first page, then Next if the case starts on B.
        for (ScriptPage* p : {&a, &b, &c, &d})
            p->nextResult = p->backResult = 0;
        sheet.ActivateFirstPage();
        if (k.from == &b)
            sheet.OnNext();
        ASSERT_EQ(sheet.GetActivePage(), k.from);
        g_log.clear();
        (k.next ? k.from->nextResult : k.from->backResult) = k.result;
        if (k.next)
            sheet.OnNext();
        else
            sheet.OnBack();
        EXPECT_EQ(sheet.GetActivePage(), k.to);
        EXPECT_TRUE(k.to->Shown());
        EXPECT_EQ(Buttons(sheet), k.buttons);
        EXPECT_EQ(g_log, k.log);
    }
}

TEST_F(WizardTest, RefusalsKeepThePreviousPage)
{
    Open({&a, &b, &c});
    b.createResult = FALSE;
    sheet.OnNext();
    EXPECT_EQ(g_log.back(), "B:create");
    EXPECT_EQ(sheet.GetActivePage(), &a);
    EXPECT_TRUE(a.Shown());
    EXPECT_TRUE(b.m_bCreated);
    EXPECT_FALSE(b.Shown());
    EXPECT_EQ(Buttons(sheet), "Sd Se Se he");

    // Created already: the second try does not create again.
    g_log.clear();
    sheet.OnNext();
    EXPECT_EQ(g_log, (Log{"A:next", "A:kill", "B:set"}));
    EXPECT_EQ(sheet.GetActivePage(), &b);

    g_log.clear();
    b.killResult = FALSE;
    sheet.OnNext();
    EXPECT_EQ(g_log, (Log{"B:next", "C:create", "B:kill"}));
    EXPECT_EQ(sheet.GetActivePage(), &b);
    EXPECT_TRUE(b.Shown());
    EXPECT_FALSE(c.Shown());
    EXPECT_EQ(Buttons(sheet), "Se Se Se he");
    b.killResult = TRUE;
}

TEST_F(WizardTest, PageWithoutTemplateCannotBeActivated)
{
    ScriptPage missing{"M", IDD_DESTINATION_PAGE};
    sheet.AddPage(&a, IDD_LICENSE_PAGE);
    sheet.AddPage(&missing, 999);  // the id names the template too, and there is none
    ASSERT_TRUE(sheet.Create(IDD_WIZARD, nullptr));
    g_log.clear();
    sheet.OnNext();
    EXPECT_EQ(g_log, (Log{"A:next"}));
    EXPECT_FALSE(missing.m_bCreated);
    EXPECT_EQ(sheet.GetActivePage(), &a);
    EXPECT_TRUE(a.Shown());
    EXPECT_EQ(Buttons(sheet), "Sd Se Se he");
    sheet.DestroyWindow();  // while the local page lives
}

TEST_F(WizardTest, EmptySheetOpensAndIgnoresTheButtons)
{
    ASSERT_TRUE(sheet.Create(IDD_WIZARD, nullptr));
    EXPECT_EQ(sheet.GetFirstPage(), nullptr);
    EXPECT_EQ(sheet.GetActivePage(), nullptr);
    EXPECT_FALSE(sheet.ActivateFirstPage());
    for (int id : {ID_WIZNEXT, ID_WIZBACK, ID_WIZFINISH})
        ::SendMessageA(sheet.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    EXPECT_EQ(sheet.GetEndResult(), -1);
    ::SendMessageA(sheet.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(sheet.GetEndResult(), IDCANCEL);
}

TEST_F(WizardTest, FinishRefusedByHiddenCreatedPage)
{
    Open({&a, &b, &c, &d});
    sheet.OnNext();
    a.finishResult = FALSE;
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        g_log.clear();
        ::SendMessageA(sheet.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_WIZFINISH, BN_CLICKED), 0);
        EXPECT_EQ(g_log, (Log{"B:kill", "A:finish"}));
        EXPECT_EQ(sheet.GetActivePage(), &b);
        EXPECT_TRUE(b.Shown());
        EXPECT_EQ(sheet.GetEndResult(), -1);
    }
    a.finishResult = TRUE;
    g_log.clear();
    sheet.OnFinish();
    EXPECT_EQ(g_log, (Log{"B:kill", "A:finish", "B:finish"}));  // C and D were never created
    EXPECT_EQ(sheet.GetEndResult(), ID_WIZFINISH);
}

TEST_F(WizardTest, FinishRefusedByActivePageKillActive)
{
    Open({&a, &b});
    a.killResult = FALSE;
    sheet.OnFinish();
    EXPECT_EQ(g_log.back(), "A:kill");
    EXPECT_EQ(sheet.GetEndResult(), -1);
    a.killResult = TRUE;
}

TEST_F(WizardTest, CancelAsksCreatedPagesInOrderAndStopsAtFirstRefusal)
{
    Open({&a, &b, &c, &d});
    sheet.OnNext();
    sheet.OnNext();
    b.queryCancelResult = FALSE;
    g_log.clear();
    ::SendMessageA(sheet.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(g_log, (Log{"A:cancel?", "B:cancel?"}));
    EXPECT_EQ(sheet.GetEndResult(), -1);
    EXPECT_EQ(sheet.GetActivePage(), &c);

    b.queryCancelResult = TRUE;
    g_log.clear();
    ::SendMessageA(sheet.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(g_log, (Log{"A:cancel?", "B:cancel?", "C:cancel?"}));
    EXPECT_EQ(sheet.GetEndResult(), IDCANCEL);
}

TEST_F(WizardTest, TeardownSkipsAPageThatRefusesKillActive)
{
    Open({&a, &b, &c, &d});
    sheet.OnNext();
    sheet.OnNext();
    b.killResult = FALSE;
    g_log.clear();
    sheet.DestroyWindow();
    EXPECT_EQ(g_log, (Log{"A:kill", "A:destroy", "B:kill", "C:kill", "C:destroy"}));
    EXPECT_FALSE(a.m_bCreated);
    EXPECT_TRUE(b.m_bCreated);
    EXPECT_FALSE(c.m_bCreated);
    EXPECT_FALSE(d.m_bCreated);
    EXPECT_TRUE(c.m_bActive) << "teardown leaves the active flag";
    // B's window went with the sheet's, as its child; its object let go of it.
    EXPECT_EQ(b.m_hWnd, nullptr);
}

TEST_F(WizardTest, TwoPagesWithTheSameIdFindTheFirst)
{
    ScriptPage b2{"B2", IDD_DESTINATION_PAGE};
    sheet.AddPage(&a, IDD_LICENSE_PAGE);
    sheet.AddPage(&b, IDD_DESTINATION_PAGE);
    sheet.AddPage(&b2, IDD_DESTINATION_PAGE);
    ASSERT_TRUE(sheet.Create(IDD_WIZARD, nullptr));
    EXPECT_EQ(sheet.FindPage(IDD_DESTINATION_PAGE), &b);
    EXPECT_EQ(sheet.FindPage(12345), nullptr);
    a.nextResult = IDD_DESTINATION_PAGE;
    sheet.OnNext();
    EXPECT_EQ(sheet.GetActivePage(), &b);
    b.nextResult = 0;
    sheet.OnNext();
    EXPECT_EQ(sheet.GetActivePage(), &b2);
    EXPECT_EQ(Buttons(sheet), "he he he Se");
    sheet.DestroyWindow();
}

TEST_F(WizardTest, EnterAndEscapeInsideAPageChangeNothing)
{
    Open({&a, &b, &c, &d});
    sheet.OnNext();
    HWND edit = b.GetDlgItem(IDC_TEST_EDIT);
    ::SetFocus(edit);
    g_log.clear();
    const std::string before = Buttons(sheet);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE})
    {
        // The dialog manager turns the keys into IDOK and IDCANCEL for the page.
        MSG msg = {edit, WM_KEYDOWN, key, 0, 0, {0, 0}};
        EXPECT_TRUE(::IsDialogMessageA(b.m_hWnd, &msg));
    }
    ::SendMessageA(b.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ::SendMessageA(b.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(sheet.GetActivePage(), &b);
    EXPECT_TRUE(b.Shown());
    EXPECT_EQ(b.GetEndResult(), -1);
    EXPECT_EQ(sheet.GetEndResult(), -1);
    EXPECT_EQ(Buttons(sheet), before);
}

TEST_F(WizardTest, CtlColorPaintsPageAndControlsWhite)
{
    Open({&a, &b});
    Canvas canvas(4, 4, RGB(0, 0, 0));
    const COLORREF kText = RGB(1, 2, 3), kBack = RGB(4, 5, 6);
    struct Case
    {
        UINT message;
        bool coloured;
    };
    const Case cases[] = {{WM_CTLCOLORSTATIC, true},   {WM_CTLCOLOREDIT, true}, {WM_CTLCOLORLISTBOX, true},
                          {WM_CTLCOLORSCROLLBAR, true}, {WM_CTLCOLORBTN, true},  {WM_CTLCOLORDLG, false},
                          {WM_CTLCOLORMSGBOX, false}};
    for (const Case& k : cases)
    {
        SCOPED_TRACE(k.message);
        ::SetTextColor(canvas.dc(), kText);
        ::SetBkColor(canvas.dc(), kBack);
        ::SetBkMode(canvas.dc(), OPAQUE);
        LRESULT brush = ::SendMessageA(a.m_hWnd, k.message, reinterpret_cast<WPARAM>(canvas.dc()),
                                       reinterpret_cast<LPARAM>(a.GetDlgItem(IDC_TITLE)));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), a.m_brushWhite.GetSafeHandle());
        EXPECT_EQ(::GetTextColor(canvas.dc()), k.coloured ? RGB(0, 0, 0) : kText);
        EXPECT_EQ(::GetBkColor(canvas.dc()), k.coloured ? RGB(255, 255, 255) : kBack);
        EXPECT_EQ(::GetBkMode(canvas.dc()), OPAQUE);
    }
    LOGBRUSH lb;
    ASSERT_EQ(::GetObjectA(a.m_brushWhite, sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));
    LOGFONTA lf;
    ASSERT_TRUE(a.m_fontBold.GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
}

TEST_F(WizardTest, DoModalReturnsTheEndingCommand)
{
    struct Case
    {
        std::vector<WPARAM> script;
        INT_PTR result;
    };
    const Case cases[] = {
        {{ID_WIZNEXT, ID_WIZNEXT, ID_WIZNEXT, ID_WIZFINISH}, ID_WIZFINISH},
        {{ID_WIZNEXT, IDCANCEL}, IDCANCEL},
        {{IDOK}, IDOK},
    };
    for (const Case& k : cases)
    {
        ScriptPage p1{"A", IDD_LICENSE_PAGE}, p2{"B", IDD_DESTINATION_PAGE}, p3{"C", IDD_PROGRESS_PAGE},
            p4{"D", IDD_FINISH_PAGE};
        TestSheet modal;
        for (ScriptPage* p : {&p1, &p2, &p3, &p4})
            modal.AddPage(p, p->m_nDialogID);
        modal.script = k.script;
        g_log.clear();
        EXPECT_EQ(modal.DoModal(), k.result);
        // Every created page window went away with the sheet's.
        for (ScriptPage* p : {&p1, &p2, &p3, &p4})
        {
            EXPECT_FALSE(p->m_bCreated);
            EXPECT_EQ(p->m_hWnd, nullptr);
        }
        EXPECT_EQ(modal.m_hWnd, nullptr);
    }
}

// The header band, painted into a memory DC of the page's size.
class HeaderBandTest : public ::testing::Test
{
protected:
    void Open(UINT nTemplate)
    {
        ASSERT_TRUE(host.Create(IDD_WIZARD, nullptr));
        page = std::make_unique<CWizardPage>(nTemplate);
        ASSERT_TRUE(page->Create(nTemplate, &host));
    }
    void Place(int id, int x, int y, int cx, int cy)
    {
        ::SetWindowPos(page->GetDlgItem(id), nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        if (page && page->m_hWnd)
            page->DestroyWindow();
        if (host.m_hWnd)
            host.DestroyWindow();
    }

    CDialog host{IDD_WIZARD};
    std::unique_ptr<CWizardPage> page;
    static constexpr COLORREF kPaper = RGB(1, 2, 3);
    static constexpr COLORREF kIcon = RGB(10, 20, 200);
};

TEST_F(HeaderBandTest, GradientColumnsAndCentredIcon)
{
    Open(IDD_DESTINATION_PAGE);
    Place(IDC_HEADER_BAND, 3, 2, 100, 10);
    Place(IDC_HEADER_ICON, 40, 40, 20, 20);
    Canvas canvas(200, 100, kPaper);
    CDC dc(canvas.dc());
    page->DrawHeaderBand(&dc);

    struct Column
    {
        int i;
        COLORREF color;
    };
    const Column columns[] = {{0, RGB(0, 128, 64)},    {1, RGB(5, 130, 67)},    {25, RGB(127, 191, 159)},
                              {50, RGB(254, 255, 255)}, {51, RGB(255, 255, 255)}, {99, RGB(255, 255, 255)}};
    for (const Column& col : columns)
        for (int y : {2, 11})
            EXPECT_EQ(canvas.At(3 + col.i, y), col.color) << "column " << col.i << " row " << y;
    for (int i = 51; i < 100; ++i)
        EXPECT_EQ(canvas.At(3 + i, 6), RGB(255, 255, 255)) << i;
    // Right and bottom edges are exclusive.
    EXPECT_EQ(canvas.At(2, 5), kPaper);
    EXPECT_EQ(canvas.At(103, 5), kPaper);
    EXPECT_EQ(canvas.At(10, 1), kPaper);
    EXPECT_EQ(canvas.At(10, 12), kPaper);
    // The 32 x 32 icon centred on the 20 x 20 place: from (34, 34) to (65, 65).
    EXPECT_EQ(canvas.At(34, 34), kIcon);
    EXPECT_EQ(canvas.At(65, 65), kIcon);
    EXPECT_EQ(canvas.At(33, 34), kPaper);
    EXPECT_EQ(canvas.At(66, 65), kPaper);
    EXPECT_EQ(canvas.At(34, 66), kPaper);
    EXPECT_EQ(canvas.Count(kIcon), 32 * 32);
}

TEST_F(HeaderBandTest, WideBandKeepsColoursOfItsFullWidth)
{
    Open(IDD_DESTINATION_PAGE);
    Place(IDC_HEADER_BAND, -1, 0, 400, 5);
    Place(IDC_HEADER_ICON, 100, 60, 20, 20);
    Canvas canvas(150, 100, kPaper);
    CDC dc(canvas.dc());
    page->DrawHeaderBand(&dc);
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 128, 64));  // column 1 of 400
    EXPECT_EQ(canvas.At(1, 4), RGB(2, 129, 65));
    EXPECT_EQ(canvas.At(99, 2), RGB(127, 191, 159));
    EXPECT_EQ(canvas.At(0, 5), kPaper);
}

TEST_F(HeaderBandTest, ZeroWidthBandStillGetsTheIcon)
{
    Open(IDD_DESTINATION_PAGE);
    Place(IDC_HEADER_BAND, 3, 2, 0, 10);
    Place(IDC_HEADER_ICON, 40, 40, 20, 20);
    Canvas canvas(200, 100, kPaper);
    CDC dc(canvas.dc());
    page->DrawHeaderBand(&dc);
    EXPECT_EQ(canvas.Count(kIcon), 32 * 32);
    EXPECT_EQ(canvas.Count(kPaper), 200 * 100 - 32 * 32);
}

TEST_F(HeaderBandTest, MissingControls)
{
    {
        Open(IDD_TEST_BAND_ONLY);  // no icon place: the band only
        Place(IDC_HEADER_BAND, 0, 0, 100, 10);
        Canvas canvas(200, 100, kPaper);
        CDC dc(canvas.dc());
        page->DrawHeaderBand(&dc);
        EXPECT_EQ(canvas.At(0, 0), RGB(0, 128, 64));
        EXPECT_EQ(canvas.Count(kIcon), 0);
        EXPECT_EQ(canvas.Count(kPaper), 200 * 100 - 100 * 10);
        TearDown();
    }
    {
        Open(IDD_TEST_ICON_ONLY);  // no band: the icon only
        Place(IDC_HEADER_ICON, 40, 40, 20, 20);
        Canvas canvas(200, 100, kPaper);
        CDC dc(canvas.dc());
        page->DrawHeaderBand(&dc);
        EXPECT_EQ(canvas.At(34, 34), kIcon);
        EXPECT_EQ(canvas.Count(kIcon), 32 * 32);
        EXPECT_EQ(canvas.Count(kPaper), 200 * 100 - 32 * 32);
    }
}

}  // namespace
