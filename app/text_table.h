// A language table: 100 fixed 256-byte text slots, built at compile time.
#pragma once
#include <cstddef>

struct TextTable
{
    char slot[100][256];
};

struct SlotText
{
    int nSlot;
    const char* pszText;
};

// Fills the listed slots; the rest stay all zero (the empty text). A text that
// does not fit its slot with its terminator fails the build.
template <std::size_t N>
constexpr TextTable MakeTextTable(const SlotText (&texts)[N])
{
    TextTable table{};
    for (const SlotText& entry : texts)
    {
        for (int i = 0; entry.pszText[i] != '\0'; ++i)
        {
            if (i >= 255)
                throw "text too long for its slot";
            table.slot[entry.nSlot][i] = entry.pszText[i];
        }
    }
    return table;
}

// The three tables, each in its own translation unit compiled for its encoding.
extern const TextTable g_tableZhCn;  // GBK
extern const TextTable g_tableEn;    // ASCII
extern const TextTable g_tableZhTw;  // Big5
