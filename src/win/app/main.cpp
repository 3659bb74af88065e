// KX90Driver.exe: the program's entry point.
#include <windows.h>

#include "win/app/app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kx90::CKX77DriverApp app;
    app.InitInstance();
    return 0;
}
