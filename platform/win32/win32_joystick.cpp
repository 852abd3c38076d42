// joyGetDevCapsA / joyGetPosEx behind the Joystick port.
#include "platform/win32/win32_joystick.h"

#include "platform/win32/win32_api.h"

namespace qv {
namespace {

Status FromJoyResult(MMRESULT result) {
  switch (result) {
    case JOYERR_NOERROR:
      return Status::Ok;
    case JOYERR_UNPLUGGED:
    case JOYERR_PARMS:
    case MMSYSERR_BADDEVICEID:
    case MMSYSERR_NODRIVER:
      return Status::NotFound;
    default:
      return Status::Failed;
  }
}

}  // namespace

Status Win32Joystick::GetCaps(std::uint32_t port, JoyCaps& caps) {
  if (port >= kPortCount) return Status::NotFound;
  // The full-size ANSI record: older drivers reject a size they do not know.
  JOYCAPSA system{};
  const Status status = FromJoyResult(::joyGetDevCapsA(port, &system, sizeof(system)));
  if (status != Status::Ok) return status;
  caps.xMin = system.wXmin;
  caps.xMax = system.wXmax;
  caps.yMin = system.wYmin;
  caps.yMax = system.wYmax;
  caps.zMin = system.wZmin;
  caps.zMax = system.wZmax;
  caps.numButtons = system.wNumButtons;
  caps.caps = system.wCaps;
  return Status::Ok;
}

Status Win32Joystick::GetPosEx(std::uint32_t port, JoyInfoEx& sample) {
  if (port >= kPortCount) return Status::NotFound;
  // Same layout (checked at compile time), copied field by field rather
  // than aliased.
  JOYINFOEX system{};
  system.dwSize = sample.dwSize;
  system.dwFlags = sample.dwFlags;
  const Status status = FromJoyResult(::joyGetPosEx(port, &system));
  if (status != Status::Ok) return status;
  sample.dwXpos = system.dwXpos;
  sample.dwYpos = system.dwYpos;
  sample.dwZpos = system.dwZpos;
  sample.dwRpos = system.dwRpos;
  sample.dwUpos = system.dwUpos;
  sample.dwVpos = system.dwVpos;
  sample.dwButtons = system.dwButtons;
  sample.dwButtonNumber = system.dwButtonNumber;
  sample.dwPOV = system.dwPOV;
  sample.dwReserved1 = system.dwReserved1;
  sample.dwReserved2 = system.dwReserved2;
  return Status::Ok;
}

}  // namespace qv
