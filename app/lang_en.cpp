// English texts, used for every code page other than 936 and 950.
// The spellings are the product's own and stay as they are.
#include "app/text_table.h"

namespace {
constexpr SlotText kTexts[] = {
    {1, "Install"},
    {2, "Are you sure you want to cancel Setup?"},
    {3, "Creating link..."},
    {4, "Copy File:"},
    {5, "< Back"},
    {6, "Next >"},
    {7, "Cancel"},
    {8, "Finsish"},
    {11, "Korvalend Server.lnk"},
    {12, "Help.lnk"},
    {13, "Uninstall Korvalend.lnk"},
    {14, " "},
    {21, "Setup failed!"},
    {22, "Invalid path!"},
    {23, "This path does not exist. Do you want to create it?"},
    {24, "Can't continue,You must agree the agreement first!"},
    {25, "Please read the following agreement, only accepts the agreement to be able to continue"},
    {26, "I accept the agreement"},
    {27, "I do not accept the agreement"},
    {28, "Welcome to intall Korvalend Server"},
    {31, "Setting"},
    {32, "Specify install directory"},
    {33, "Auto-Load Setting:"},
    {34, "Destination Path:"},
    {41, "installing, please wait..."},
    {42, "Processing:"},
    {43, "File name"},
    {51, "Install complete"},
    {52, "Korvalend Server install complete."},
    {53, "Accessing registry failed, please sure you have the privilege of accessing registry!"},
};
}  // namespace

extern const TextTable g_tableEn = MakeTextTable(kTexts);
