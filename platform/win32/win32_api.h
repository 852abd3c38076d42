// The one way the Win32 side includes the Windows headers. The ports name
// some of their operations after the system's (SendMessage,
// SendMessageTimeout, PostMessage, MessageBox, WinHelp); the headers turn those names into A/W macros, which
// would rename our members, so they are undefined here and the system's
// functions are always called by their explicit A or W names.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#undef SendMessage
#undef SendMessageTimeout
#undef PostMessage
#undef MessageBox
#undef WinHelp
