// The program's entry point: hands over to the framework's application main.
// Only the program links it; test executables bring their own main.
#include "framework/AfxGlobals.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
