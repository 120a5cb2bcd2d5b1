// The three language tables, checked as the bytes the program shows.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/language.h"

namespace {

struct SlotCase
{
    int nCodePage;
    int nSlot;
    const char* bytes;  // expected text, as bytes of the table's encoding
};

// Expected bytes are written out in hex so the test does not share the build's
// charset conversion with the code under test.
const SlotCase kSlotCases[] = {
    {936, 1, "\xB0\xB2\xD7\xB0"},  // 安装
    {936, 8, "\xCD\xEA\xB3\xC9"},  // 完成
    {936, 2, "\xC4\xE3\xC8\xB7\xB6\xA8\xD2\xAA\xCD\xCB\xB3\xF6\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2\xC2\xF0?"},
    {936, 21, "\xB0\xB2\xD7\xB0\xB4\xED\xCE\xF3\xA3\xAC\xCA\xFD\xBE\xDD\xBF\xC9\xC4\xDC\xB1\xBB\xC6\xC6\xBB\xB5!"},
    {936, 12, "\xB0\xEF\xD6\xFA.lnk"},            // 帮助.lnk
    {936, 13, "\xD0\xB6\xD4\xD8.lnk"},            // 卸载.lnk
    {936, 52, "\xC8\xED\xBC\xFE\xB0\xB2\xD7\xB0\xCD\xEA\xB3\xC9\xA1\xA3"},  // ends in a full-width stop
    {936, 14, " "},
    {950, 1, "\xA6\x77\xB8\xCB"},  // 安裝
    {950, 8, "\xA7\xB9\xA6\xA8"},  // 完成
    // 閱 has the trail byte 0x5C, which must survive as it is.
    {950, 25, "\xBD\xD0\xBE\x5C\xC5\xAA\xA4\x55\xAD\xB1\xAA\xBA\xA8\xF3\xC4\xB3\xA1\x41\xA5\x75\xA6\xB3\xB1\xB5"
              "\xA8\xFC\xB8\xD3\xA8\xF3\xC4\xB3\xA4\x7E\xAF\xE0\xC4\x7E\xC4\xF2\xA6\x77\xB8\xCB"},
    {950, 14, " "},
    {1252, 1, "Install"},
    {1252, 8, "Finsish"},
    {1252, 14, " "},
    {1252, 25, "Please read the following agreement, only accepts the agreement to be able to continue"},
    {1252, 28, "Welcome to intall Korvalend Server"},
    {437, 1, "Install"},
    {0, 8, "Finsish"},
};

TEST(LanguageTables, SlotBytes)
{
    for (const SlotCase& c : kSlotCases)
    {
        ASSERT_TRUE(SelectLanguage(c.nCodePage));
        ASSERT_NE(g_textSlots[c.nSlot], nullptr);
        EXPECT_EQ(std::string(g_textSlots[c.nSlot]), std::string(c.bytes))
            << "code page " << c.nCodePage << ", slot " << c.nSlot;
    }
}

TEST(LanguageTables, EmptySlotsInEveryTable)
{
    const int emptySlots[] = {0, 9, 10, 15, 20, 29, 30, 35, 40, 44, 50, 54, 99};
    for (int cp : {936, 950, 1252})
    {
        SelectLanguage(cp);
        for (int n : emptySlots)
        {
            ASSERT_NE(g_textSlots[n], nullptr) << cp << "/" << n;
            EXPECT_STREQ(g_textSlots[n], "") << cp << "/" << n;
        }
    }
}

TEST(LanguageTables, EveryTextFitsItsSlotWithZeroFill)
{
    for (int cp : {936, 950, 1252})
    {
        SelectLanguage(cp);
        for (int n = 0; n < 100; ++n)
        {
            const char* slot = g_textSlots[n];
            size_t len = strnlen(slot, 256);
            ASSERT_LT(len, 256u) << cp << "/" << n;
            for (size_t i = len; i < 256; ++i)
                ASSERT_EQ(slot[i], '\0') << cp << "/" << n << " byte " << i;
        }
    }
    SelectLanguage(1252);
    EXPECT_EQ(std::strlen(g_textSlots[25]), 86u);  // the longest text
}

TEST(LanguageTables, LicenceIdAndSwitching)
{
    const struct
    {
        int nCodePage;
        int nLicense;
    } cases[] = {{936, 142}, {950, 144}, {1252, 143}, {437, 143}, {0, 143}, {-936, 143}, {65001, 143}};
    for (const auto& c : cases)
    {
        g_nCodePage = 12345;
        SelectLanguage(c.nCodePage);
        EXPECT_EQ(g_nLicenseResId, c.nLicense) << c.nCodePage;
        EXPECT_EQ(g_nCodePage, 12345) << "SelectLanguage must leave the code page to its caller";
    }
    // A later selection rewrites every entry, slot 0 included.
    SelectLanguage(936);
    const char* zh0 = g_textSlots[0];
    SelectLanguage(1252);
    EXPECT_NE(g_textSlots[0], zh0);
    EXPECT_STREQ(g_textSlots[1], "Install");
}

}  // namespace
