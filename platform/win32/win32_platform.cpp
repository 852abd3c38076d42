// Wiring of the Win32 ports into one Platform.
#include "platform/win32/win32_platform.h"

namespace qv {

Win32Platform::Win32Platform(Joystick* joystick)
    : platform_{joystick != nullptr ? *joystick : static_cast<Joystick&>(joystick_),
                timer_,
                sound_,
                input_,
                windows_,
                menus_,
                shell_,
                registry_,
                process_,
                files_,
                dialogs_} {}

}  // namespace qv
