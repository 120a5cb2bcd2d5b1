// The uninstall script a complete installation of the product's own payload writes.
#pragma once
#include <string>

// installDir ends in a backslash; programs is the common Programs folder, desktop
// the user's desktop folder (neither with a trailing backslash).
std::string ExpectedProductScript(const std::string& installDir, const std::string& programs,
                                  const std::string& desktop);

// The 20 message lines that end every complete script, CR LF included.
std::string ExpectedMessageBlock();

// The shell folder as the installer asks for it (CSIDL_...), without a trailing backslash.
std::string ShellFolder(int csidl);
