// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Asks the program's window for its UI Automation root, as a screen reader
// does when it meets a window, which turns the program's accessibility on.
// Exits with 0 once the window has answered, 1 if there is no such window.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

BOOL CALLBACK findWindow(HWND window, LPARAM found)
{
    wchar_t caption[256];
    if (IsWindowVisible(window) && GetWindowTextW(window, caption, 256)
        && std::wcsncmp(caption, L"marvendo.bg   ", 14) == 0) {
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main()
{
    HWND window = nullptr;
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&window));
    if (!window) {
        std::fputs("uia-client: no marvendo window\n", stderr);
        return 1;
    }
    const LPARAM uiaRootObjectId = -25;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_GETOBJECT, 0, uiaRootObjectId, SMTO_ABORTIFHUNG, 60000, &answer)) {
        std::fputs("uia-client: the window did not answer\n", stderr);
        return 1;
    }
    return 0;
}
