#pragma once

#include <string>

// Asks the desktop's file manager (org.freedesktop.FileManager1 on the session
// bus) to show `path` selected in its folder. False when there is no session
// bus or no file manager answered within a few seconds; the caller then opens
// the containing folder instead. Hand it to PosixShell::SetItemRevealer.
bool ShowItemsInFileManager(const std::string& path);
