#include "app/CTempivaApp.h"

#include <windows.h>

namespace {

CTempivaApp g_theApp;

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(hInstance);
}
