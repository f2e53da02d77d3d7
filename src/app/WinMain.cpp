#include <windows.h>

#include "app/VarnelApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tessary::CVarnelApp app(instance);
    app.InitInstance();
    return 0;
}
