// Language selection: which table the text slots and the licence text come from.
#pragma once

// Makes the table for the code page active: 936 Simplified Chinese (licence 142),
// 950 Traditional Chinese (144), anything else English (143). Always true.
bool SelectLanguage(int nCodePage);
