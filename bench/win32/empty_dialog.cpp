// The floor of the start-up benchmark: the least a Win32 program does to show a dialog - a
// process that shows the system's own message dialog and nothing else.

#include <windows.h>

int main() { return MessageBoxW(nullptr, L"", L"empty", MB_OK); }
