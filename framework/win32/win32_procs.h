// The Win32 host's procedures, shared by its files: the one window
// procedure, the dialog procedure of dialogs and of property pages (a page is
// bound through its PROPSHEETPAGE, not through WM_INITDIALOG's parameter as a
// dialog), and the window properties that a subclassed window keeps.
#pragma once

#include "platform/win32/win32_api.h"

namespace qv {

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FrameworkDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FrameworkPageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A page template's size in pixels as `page`'s font and the screen size it.
SIZE PageTemplatePixels(HWND page, HINSTANCE instance, WORD templateId);

// A window of the system's that the host subclasses (the property sheet)
// keeps its object and the procedure it had before in these properties;
// the default processing of its messages is that procedure.
inline constexpr wchar_t kObjectProperty[] = L"QvObject";
inline constexpr wchar_t kOriginalProcProperty[] = L"QvOriginalProc";

}  // namespace qv
