#pragma once
// The controls of a dialog template created into a window that already exists, as the dialog
// manager would have created them there: the same classes, captions, styles and dialog-unit
// rectangles (in the parent's units), the parent's font. A window whose controls are not all
// needed at once creates the rest the first time they are.

#include <windows.h>

#include <vector>

namespace tessary {

// Creates every control of the DIALOGEX template `templateId` as a child of `parent`, in the
// template's order and below every sibling (so that an up-down control with UDS_AUTOBUDDY takes
// the control before it in the template as its buddy). Returns them in that order; empty if the
// template is missing or not a DIALOGEX one. A control that fails to be created is left out.
std::vector<HWND> createTemplateControls(HWND parent, HINSTANCE instance, int templateId);

}  // namespace tessary
