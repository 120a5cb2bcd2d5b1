// Shell shortcuts: one link file, and the product's Start-menu group and desktop shortcut.
#pragma once
#include <windows.h>

// Saves a shortcut at pszLink pointing to pszTarget; both are ANSI (code page) texts.
// TRUE when the link object and its file interface were obtained.
BOOL CreateShellLink(const char* pszTarget, const char* pszLink);

// The group folder in the common Programs folder with three shortcuts, one
// desktop shortcut, each recorded in the uninstall script, then the script's
// message block. FALSE when a shell folder could not be found.
BOOL CreateShortcuts();
