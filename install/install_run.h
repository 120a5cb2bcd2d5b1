// The install run: payload out of the resources, every file written, progress shown.
#pragma once
#include <string>

#include <windows.h>

// Resource id (type "FILE") of the payload archive.
constexpr int kPayloadResourceId = 139;

// Runs the installation for the progress page hPage, whose control 1015 is the
// file-name line and 1016 the progress bar; stops the page's timer 0 first.
// TRUE when every file entry was written. Shows only the archive's error text
// (and refused entry names) itself; the caller reports the failure.
BOOL RunInstall(HWND hPage);

// Writes the program's resource of type "FILE" with this id into the file.
bool WriteResourceToFile(int nResourceId, std::string path);

// Sets the page's progress bar (control 1016) to the range 0..nCount, with the
// 32-bit message when the count does not fit 16 bits.
void SetProgressRange(HWND hPage, int nCount);

// True when the archive entry name stays inside the folder it is written to:
// not absolute, not drive-qualified, no ':' at all, no ".." component, with
// either separator; double-byte characters of the active code page are honoured.
bool IsSafeEntryName(const std::string& name);
