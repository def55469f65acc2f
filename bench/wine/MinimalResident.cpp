// The yardstick for Tempiva's idle footprint: the least a resident Win32 program can be, one
// hidden window and a 1-second timer, built and linked as Tempiva is (static C++ runtime).
// WM_CLOSE ends it.
#include <windows.h>

namespace {

constexpr UINT_PTR kTimerId = 1;

LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_TIMER:
        return 0;
    case WM_DESTROY:
        ::KillTimer(hWnd, kTimerId);
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = "TempivaMinimalResident";
    if (!::RegisterClassA(&wc))
        return 1;
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, hInstance,
                                  nullptr);
    if (!hWnd || !::SetTimer(hWnd, kTimerId, 1000, nullptr))
        return 1;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}
