// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A stand-in for the UI Automation core library, for the tests under wine:
// it answers that a client listens, and writes each notification raised to
// the file named by MARVENDO_UIA_LOG, one line each, in UTF-8:
//     notification KIND PROCESSING TEXT
// with the text's line breaks written as "\n". The functions are the ones
// the program's toolkit looks up in the real library; the rest do nothing.
#include <windows.h>

#include <string>

namespace {

void record(const std::wstring &line)
{
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"MARVENDO_UIA_LOG", path, MAX_PATH))
        return;
    const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), utf8.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(file, utf8.data(), DWORD(utf8.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, void *)
{
    return 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND, void **provider)
{
    *provider = nullptr;
    return E_NOTIMPL;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(void *, int)
{
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(void *, int, VARIANT, VARIANT)
{
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(void *, int kind, int processing, BSTR text, BSTR)
{
    std::wstring line = L"notification " + std::to_wstring(kind) + L' ' + std::to_wstring(processing) + L' ';
    for (const wchar_t *c = text; c && *c; ++c) {
        if (*c == L'\n')
            line += L"\\n";
        else if (*c != L'\r')
            line += *c;
    }
    record(line + L'\n');
    return S_OK;
}

} // extern "C"
