// The destination page's folder checks under code page 936: a GBK trail byte of
// 0x5C is part of its character, not a backslash.
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "pages/destination_page.h"

namespace {

TEST(FolderPath, BackslashesAreCharactersNotBytes)
{
    ASSERT_EQ(GetACP(), 936u) << "these cases need code page 936";
    // 0x95 0x5C is one GBK character ("昞"); its second byte looks like a backslash.
    const std::string dbcs = "\x95\x5C";
    const struct
    {
        std::string path;
        bool endsWithBackslash;
        bool doubleBackslash;
    } cases[] = {
        {"D:\\Apps\\", true, false},
        {"D:\\Apps", false, false},
        {"C:\\", true, false},
        {"D:\\a\\\\b", false, true},
        {"D:\\\\", true, true},
        {"D:\\" + dbcs, false, false},             // ends in a character, not a backslash
        {"D:\\" + dbcs + "\\", true, false},        // one real backslash after it
        {"D:\\" + dbcs + "\\x", false, false},      // trail byte then backslash: not a pair
        {"D:\\" + dbcs + "\\\\x", false, true},     // a real pair after the character
        {"D:\\\xB0\xB2\xD7\xB0\\", true, false},    // 安装
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(EndsWithBackslash(c.path), c.endsWithBackslash) << c.path;
        EXPECT_EQ(HasDoubleBackslash(c.path), c.doubleBackslash) << c.path;
    }
}

}  // namespace
