// The joystick port on a system without game pads: every query fails, and
// ports past the system's range fail without reaching it.
#include <initializer_list>

#include "platform/constants.h"
#include "platform/win32/win32_joystick.h"
#include "tests/wine/check.h"

namespace {

TEST_CASE(an_empty_port_has_no_caps_and_no_position) {
  qv::Win32Joystick joystick;
  for (std::uint32_t port : {0u, 1u, qv::Win32Joystick::kPortCount - 1}) {
    qv::JoyCaps caps;
    caps.numButtons = 99;
    CHECK(joystick.GetCaps(port, caps) != qv::Status::Ok);
    CHECK_EQ(caps.numButtons, 99u);  // left as it was

    qv::JoyInfoEx sample;
    sample.dwSize = sizeof(sample);
    sample.dwFlags = qv::kJoyReturnAll;
    sample.dwXpos = 12345;
    CHECK(joystick.GetPosEx(port, sample) != qv::Status::Ok);
    CHECK_EQ(sample.dwXpos, 12345u);
  }
}

TEST_CASE(ports_past_the_range_are_not_found) {
  qv::Win32Joystick joystick;
  constexpr std::uint32_t kPortCount = qv::Win32Joystick::kPortCount;
  for (std::uint32_t port : {kPortCount, kPortCount + 1, 0xFFFFFFFFu}) {
    qv::JoyCaps caps;
    CHECK(joystick.GetCaps(port, caps) == qv::Status::NotFound);
    qv::JoyInfoEx sample;
    sample.dwSize = sizeof(sample);
    sample.dwFlags = qv::kJoyReturnAll;
    CHECK(joystick.GetPosEx(port, sample) == qv::Status::NotFound);
  }
}

}  // namespace

RUN_TESTS()
