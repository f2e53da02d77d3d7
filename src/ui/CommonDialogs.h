#pragma once
// The desktop's open and save dialogs, from a library loaded the first time one is asked for:
// linked at start it would bring in the printing libraries with it, which cost the opening of
// the window time while most runs never open a file dialog.

#include <windows.h>
// after windows.h
#include <commdlg.h>

namespace tessary {

// As GetOpenFileNameW and GetSaveFileNameW; FALSE when the library cannot be had.
BOOL showOpenFileDialog(OPENFILENAMEW& dialog);
BOOL showSaveFileDialog(OPENFILENAMEW& dialog);
// As CommDlgExtendedError, for the last dialog of this thread; CDERR_INITIALIZATION when the
// library could not be loaded.
DWORD commonDialogError();

}  // namespace tessary
