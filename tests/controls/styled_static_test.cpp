// The label control, painted through WM_PRINTCLIENT into a memory DC and compared pixel
// for pixel with the same drawing done by plain GDI calls.
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/styled_static.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "tests/wizard/canvas.h"
#include "tests/wizard/test_ids.h"

namespace {

// Opens up the label's state for the tests.
class TestLabel : public CStyledStatic
{
public:
    using CStyledStatic::m_bFlashPhase;
    using CStyledStatic::m_crText;
    using CStyledStatic::m_font;
    using CStyledStatic::m_lf;
    using CStyledStatic::m_nFlashMode;
};

// The host dialog binds its statics by data exchange, as the pages do, and records notifications.
class HostDialog : public CDialog
{
public:
    HostDialog() : CDialog(IDD_TEST_LABELS) {}

    TestLabel label;
    TestLabel label2;
    std::vector<NMHDR> notes;
    std::vector<WPARAM> noteIds;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_LABEL, label);
        DDX_Control(pDX, IDC_TEST_LABEL2, label2);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        notes.push_back(*reinterpret_cast<NMHDR*>(lParam));
        noteIds.push_back(wParam);
        *pResult = 0;
        return TRUE;
    }
};

const int kW = 120, kH = 40;
const COLORREF kPaper = RGB(1, 2, 3);

// What the label should look like, drawn with GDI directly.
struct Expected
{
    std::string text = "Label";
    COLORREF back = ::GetSysColor(COLOR_BTNFACE);
    bool opaque = true;
    COLORREF textColor = ::GetSysColor(COLOR_WINDOWTEXT);
    LOGFONTA lf = DefaultFont();
    UINT format = DT_WORDBREAK;
    int shadow = 0;  // +1, -1 or 0 for none
    bool rotate = false;

    static LOGFONTA DefaultFont()
    {
        LOGFONTA lf;
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        return lf;
    }

    std::vector<uint32_t> Draw() const
    {
        Canvas canvas(kW, kH, opaque ? back : kPaper);
        HDC dc = canvas.dc();
        HFONT font = ::CreateFontIndirectA(&lf);
        HGDIOBJ old = ::SelectObject(dc, font);
        ::SetBkMode(dc, TRANSPARENT);
        RECT rc = {0, 0, kW, kH};
        if (rotate)
        {
            ::SetTextColor(dc, textColor);
            ::SetTextAlign(dc, TA_BASELINE);
            ::SetViewportOrgEx(dc, kW / 2, kH / 2, nullptr);
            ::TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
        }
        else
        {
            if (shadow)
            {
                RECT rs = rc;
                ::OffsetRect(&rs, shadow, shadow);
                ::SetTextColor(dc, RGB(108, 28, 28));
                ::DrawTextA(dc, text.c_str(), -1, &rs, format);
            }
            ::SetTextColor(dc, textColor);
            ::DrawTextA(dc, text.c_str(), -1, &rc, format);
        }
        ::SelectObject(dc, old);
        ::DeleteObject(font);
        return canvas.Pixels();
    }
};

class LabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Create(IDD_TEST_LABELS, nullptr));
        ASSERT_NE(host.label.m_hWnd, nullptr);
        ::SetWindowPos(host.label.m_hWnd, nullptr, 0, 0, kW, kH, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override { host.DestroyWindow(); }

    // The label painted onto a canvas that holds kPaper.
    std::vector<uint32_t> Render()
    {
        Canvas canvas(kW, kH, kPaper);
        host.label.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        return canvas.Pixels();
    }
    static int Count(const std::vector<uint32_t>& px, COLORREF c)
    {
        uint32_t v = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        int n = 0;
        for (uint32_t p : px)
            n += p == v;
        return n;
    }
    void SetStyle(DWORD style)
    {
        ::SetWindowLongA(host.label.m_hWnd, GWL_STYLE, static_cast<LONG>(WS_CHILD | WS_VISIBLE | style));
    }

    HostDialog host;
};

TEST_F(LabelTest, NewLabelDrawsWindowTextOnButtonFace)
{
    Expected e;
    std::vector<uint32_t> px = Render();
    EXPECT_EQ(px, e.Draw());
    EXPECT_EQ(Count(px, kPaper), 0) << "an opaque label fills its whole client area";
    EXPECT_LT(Count(px, e.back), kW * kH) << "some text was drawn";
}

TEST_F(LabelTest, TransparentDrawsOnlyTheText)
{
    host.label.SetTransparent(true).SetTextColor(RGB(255, 0, 0));
    Expected e;
    e.opaque = false;
    e.textColor = RGB(255, 0, 0);
    std::vector<uint32_t> px = Render();
    EXPECT_EQ(px, e.Draw());
    EXPECT_GT(Count(px, kPaper), kW * kH / 2);
    EXPECT_GT(Count(px, RGB(255, 0, 0)), 0);
}

TEST_F(LabelTest, ColoursAndShadowInBothDirections)
{
    struct Case
    {
        bool shadow;
        bool belowRight;
        int offset;
    };
    std::vector<std::vector<uint32_t>> seen;
    for (const Case& k : {Case{false, false, 0}, Case{true, true, 1}, Case{true, false, -1}})
    {
        SCOPED_TRACE(k.offset);
        host.label.SetBkColor(RGB(0, 0, 255)).SetTextColor(RGB(255, 255, 0)).SetTextShadow(k.shadow, k.belowRight);
        Expected e;
        e.back = RGB(0, 0, 255);
        e.textColor = RGB(255, 255, 0);
        e.shadow = k.offset;
        std::vector<uint32_t> px = Render();
        EXPECT_EQ(px, e.Draw());
        EXPECT_GT(Count(px, RGB(255, 255, 0)), 0);
        EXPECT_EQ(Count(px, RGB(108, 28, 28)) > 0, k.shadow);
        seen.push_back(px);
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
}

TEST_F(LabelTest, AlignmentFollowsTheStyle)
{
    struct Case
    {
        DWORD style;
        const char* text;
        UINT format;
    };
    const Case cases[] = {
        {SS_LEFT, "alpha beta gamma delta epsilon", DT_WORDBREAK},
        {SS_RIGHT, "alpha beta gamma delta epsilon", DT_RIGHT},
        {SS_CENTER, "alpha beta gamma delta epsilon", DT_CENTER},
        {SS_LEFTNOWORDWRAP, "alpha beta gamma delta epsilon", 0},
        {SS_LEFT | SS_CENTERIMAGE, "alpha", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {SS_LEFT | SS_CENTERIMAGE, "alpha\r\nbeta", DT_CENTER},
        {SS_RIGHT | SS_CENTERIMAGE, "alpha", 0x25},
    };
    for (const Case& k : cases)
    {
        SCOPED_TRACE(k.text);
        SCOPED_TRACE(k.style);
        SetStyle(k.style);
        host.label.SetText(k.text);
        Expected e;
        e.text = k.text;
        e.format = k.format;
        EXPECT_EQ(Render(), e.Draw());
        // The cases are told apart: the format matters for this text.
        Expected other = e;
        other.format = k.format == DT_WORDBREAK ? DT_RIGHT : DT_WORDBREAK;
        EXPECT_NE(e.Draw(), other.Draw());
    }
}

TEST_F(LabelTest, RotatedTextStartsAtTheCentre)
{
    host.label.SetTextAngle(90, true);
    SetStyle(SS_RIGHT);  // alignment is not used when rotating
    Expected e;
    e.lf.lfEscapement = e.lf.lfOrientation = 900;
    e.rotate = true;
    std::vector<uint32_t> px = Render();
    EXPECT_EQ(px, e.Draw());
    // At 90 degrees the text runs upwards from the centre: nothing is drawn below it.
    for (int y = kH / 2 + 1; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            EXPECT_EQ(px[y * kW + x], px[0]) << x << "," << y;
    host.label.SetTextAngle(0, false);
    EXPECT_EQ(host.label.m_lf.lfEscapement, 0);
    EXPECT_NE(Render(), px);
}

TEST_F(LabelTest, TextFlashingAlternatesAcrossTicks)
{
    struct Case
    {
        bool backColour;
        COLORREF firstPhaseText;
    };
    for (const Case& k : {Case{true, RGB(0, 0, 255)}, Case{false, RGB(0, 0, 0)}})
    {
        SCOPED_TRACE(k.backColour);
        TestLabel& l = k.backColour ? host.label : host.label2;
        if (&l == &host.label2)
        {
            ::SetWindowPos(l.m_hWnd, nullptr, 0, 0, kW, kH, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            l.SetText("Label");
        }
        if (k.backColour)
            l.SetBkColor(RGB(0, 0, 255));
        l.SetTextColor(RGB(255, 0, 0)).FlashText(true);
        Expected on;
        on.back = k.backColour ? RGB(0, 0, 255) : ::GetSysColor(COLOR_BTNFACE);
        on.textColor = RGB(255, 0, 0);
        Expected off = on;
        off.textColor = k.firstPhaseText;

        auto render = [&] {
            Canvas canvas(kW, kH, kPaper);
            l.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
            return canvas.Pixels();
        };
        EXPECT_EQ(render(), off.Draw()) << "phase 0";
        for (int tick = 1; tick <= 4; ++tick)
        {
            l.SendMessage(WM_TIMER, 1, 0);
            EXPECT_EQ(render(), (tick % 2) ? on.Draw() : off.Draw()) << "tick " << tick;
        }
        if (k.backColour)
        {
            EXPECT_EQ(Count(off.Draw(), RGB(0, 0, 255)), kW * kH) << "text in the background colour vanishes";
        }

        // Stopping: the timer is gone and the phase no longer matters.
        l.FlashText(false);
        EXPECT_EQ(l.m_nFlashMode, 0);
        EXPECT_FALSE(::KillTimer(l.m_hWnd, 1));
        EXPECT_EQ(render(), on.Draw());
        l.SendMessage(WM_TIMER, 1, 0);
        EXPECT_EQ(render(), on.Draw());
    }
}

TEST_F(LabelTest, FlashingStartsATimerThatEitherStopCallEnds)
{
    TestLabel& l = host.label;
    l.FlashText(true);
    EXPECT_EQ(l.m_nFlashMode, 1);
    EXPECT_TRUE(::KillTimer(l.m_hWnd, 1)) << "timer 1 was running";
    l.SendMessage(WM_TIMER, 1, 0);
    l.FlashBackground(true);
    EXPECT_EQ(l.m_nFlashMode, 2);
    EXPECT_EQ(l.m_bFlashPhase, 0) << "restarting resets the phase";
    l.FlashBackground(false);
    EXPECT_EQ(l.m_nFlashMode, 0);
    EXPECT_FALSE(::KillTimer(l.m_hWnd, 1));
    l.FlashText(true);
    l.FlashBackground(false);
    EXPECT_EQ(l.m_nFlashMode, 0);
    EXPECT_FALSE(::KillTimer(l.m_hWnd, 1));
}

TEST_F(LabelTest, BackgroundFlashingAlternatesTheTwoBrushes)
{
    host.label.SetBkColor(RGB(0, 0, 255)).SetTextColor(RGB(255, 255, 255)).FlashBackground(true);
    Expected blue;
    blue.back = RGB(0, 0, 255);
    blue.textColor = RGB(255, 255, 255);
    Expected face = blue;
    face.back = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Render(), blue.Draw());
    host.label.SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(Render(), face.Draw());
    host.label.SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(Render(), blue.Draw());
    host.label.FlashBackground(false);
}

TEST_F(LabelTest, LinkClickNotifiesTheParent)
{
    host.label.SetLink(true, false);
    EXPECT_TRUE(host.label.GetStyle() & SS_NOTIFY);
    host.label.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_EQ(host.notes.size(), 1u);
    EXPECT_EQ(host.noteIds[0], static_cast<WPARAM>(IDC_TEST_LABEL));
    EXPECT_EQ(host.notes[0].hwndFrom, host.label.m_hWnd);
    EXPECT_EQ(host.notes[0].idFrom, static_cast<UINT_PTR>(IDC_TEST_LABEL));
    EXPECT_EQ(host.notes[0].code, 0x8200u);
    host.label.SetLink(false, false);
    EXPECT_FALSE(host.label.GetStyle() & SS_NOTIFY);
}

TEST_F(LabelTest, LinkCursor)
{
    LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    HCURSOR hand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
    ASSERT_NE(hand, nullptr);
    host.label.SetLinkCursor(hand);
    EXPECT_EQ(host.label.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(host.label.m_hWnd), hit), TRUE);
    EXPECT_EQ(::GetCursor(), hand);
}

TEST_F(LabelTest, FontSettersChangeOnlyTheirFields)
{
    TestLabel& l = host.label;
    l.SetFontBold(false);
    EXPECT_EQ(l.m_lf.lfWeight, 400);
    l.SetFontName("Arial").SetFontItalic(true).SetFontUnderline(true).SetFontBold(true).SetTextAngle(30, false);
    LOGFONTA before = l.m_lf;
    EXPECT_EQ(before.lfWeight, 700);
    EXPECT_EQ(before.lfEscapement, 300);

    l.SetFontSize(12);
    LOGFONTA after = l.m_lf;
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(after.lfHeight, -(dpi * 120 / 720));
    EXPECT_EQ(after.lfWidth, 0);
    after.lfHeight = before.lfHeight;
    after.lfWidth = before.lfWidth;
    EXPECT_EQ(std::memcmp(&after, &before, sizeof(after)), 0) << "nothing else changed";
    EXPECT_STREQ(after.lfFaceName, "Arial");

    LOGFONTA made;
    ASSERT_TRUE(l.m_font.GetLogFont(&made));
    EXPECT_EQ(std::memcmp(&made, &l.m_lf, offsetof(LOGFONTA, lfFaceName)), 0) << "the font is rebuilt from it";
    EXPECT_STREQ(made.lfFaceName, l.m_lf.lfFaceName);
}

TEST_F(LabelTest, LongFaceNamesAreCutToFit)
{
    TestLabel& l = host.label;
    struct Case
    {
        std::string name;
        std::string kept;
    };
    const std::string a30(30, 'A');
    const Case cases[] = {
        {std::string(31, 'B'), std::string(31, 'B')},
        {std::string(32, 'C'), std::string(31, 'C')},
        {std::string(300, 'D'), std::string(31, 'D')},
        // A double-byte character (code page 936) that would straddle the end is left out whole.
        {a30 + "\xCB\xCE", a30},
        {std::string(29, 'E') + "\xCB\xCE", std::string(29, 'E') + "\xCB\xCE"},
    };
    for (const Case& k : cases)
    {
        SCOPED_TRACE(k.name.size());
        LOGFONTA before = l.m_lf;
        l.SetFontName(k.name.c_str());
        EXPECT_EQ(std::string(l.m_lf.lfFaceName), k.kept);
        EXPECT_EQ(l.m_lf.lfFaceName[31], '\0');
        EXPECT_EQ(std::memcmp(&before, &l.m_lf, offsetof(LOGFONTA, lfFaceName)), 0);
        LOGFONTA made;
        ASSERT_TRUE(l.m_font.GetLogFont(&made));
        EXPECT_EQ(std::string(made.lfFaceName), k.kept);
    }
}

TEST_F(LabelTest, SystemColourChangeRefreshesOnlyTheDefaultBackground)
{
    const int elements[] = {COLOR_BTNFACE, COLOR_WINDOWTEXT};
    const COLORREF saved[] = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOWTEXT)};
    Expected old;  // the colours of before the change
    const COLORREF changed[] = {RGB(0, 200, 0), RGB(0, 0, 200)};
    ASSERT_TRUE(::SetSysColors(2, elements, changed));
    // The host is a top-level window: it hands the message on to its controls.
    host.SendMessage(WM_SYSCOLORCHANGE);
    Expected now = old;
    now.back = RGB(0, 200, 0);
    std::vector<uint32_t> px = Render();
    ::SetSysColors(2, elements, saved);
    EXPECT_EQ(px, now.Draw());
    EXPECT_EQ(host.label.m_crText, old.textColor);
}

TEST_F(LabelTest, SettersChainOnTheSameControl)
{
    CStyledStatic& l = host.label;
    static_assert(std::is_same<decltype(l.SetBkColor(0)), CStyledStatic&>::value, "setters return the control");
    CStyledStatic& end = l.SetBkColor(RGB(1, 1, 1))
                             .SetTextColor(RGB(2, 2, 2))
                             .SetText("Chain")
                             .SetFontBold(true)
                             .SetFontName("Arial")
                             .SetFontUnderline(false)
                             .SetFontItalic(false)
                             .SetFontSize(10)
                             .SetSunken(true)
                             .SetBorder(true)
                             .SetTransparent(false)
                             .FlashText(false)
                             .FlashBackground(false)
                             .SetLink(false, false)
                             .SetLinkCursor(nullptr)
                             .SetTextShadow(false, false)
                             .SetTextAngle(0, false);
    EXPECT_EQ(&end, &l);
    EXPECT_EQ(l.GetWindowText(), "Chain");
    EXPECT_TRUE(l.GetExStyle() & WS_EX_STATICEDGE);
    EXPECT_TRUE(l.GetStyle() & WS_BORDER);
    l.SetSunken(false).SetBorder(false);
    EXPECT_FALSE(l.GetExStyle() & WS_EX_STATICEDGE);
    EXPECT_FALSE(l.GetStyle() & WS_BORDER);
}

TEST_F(LabelTest, DataExchangeBindsOnce)
{
    HWND bound = host.label.m_hWnd;
    EXPECT_EQ(CWnd::FromHandle(bound), &host.label);
    host.UpdateData(FALSE);
    host.UpdateData(TRUE);
    EXPECT_EQ(host.label.m_hWnd, bound);
    CStatic missing;
    CDataExchange dx(&host, FALSE);
    EXPECT_FALSE(DDX_Control(&dx, 4321, missing));
    EXPECT_EQ(missing.m_hWnd, nullptr);
}

TEST(GdiObjects, OwnTheirHandleAndMove)
{
    CBrush first;
    ASSERT_TRUE(first.CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH handle = first;
    CBrush second(std::move(first));
    EXPECT_EQ(first.GetSafeHandle(), nullptr);
    EXPECT_EQ(second.GetSafeHandle(), handle);
    {
        CBrush third;
        third = std::move(second);
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(handle), 0u) << "deleted with its last holder";
    static_assert(!std::is_copy_constructible<CFont>::value, "GDI holders are not copied");
}

TEST_F(LabelTest, ScreenPaintMatchesPrintedImage)
{
    host.label.SetBkColor(RGB(0, 0, 255)).SetTextColor(RGB(255, 255, 0));
    ::SetWindowPos(host.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(host.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Canvas canvas(kW, kH, kPaper);
    HDC screen = ::GetDC(host.label.m_hWnd);
    ::BitBlt(canvas.dc(), 0, 0, kW, kH, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(host.label.m_hWnd, screen);
    EXPECT_EQ(canvas.Pixels(), Render());
}

}  // namespace
