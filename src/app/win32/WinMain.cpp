#include <windows.h>

#include "app/win32/VarnelApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tessary::CVarnelApp app(instance);
    app.InitInstance();
    return 0;
}
