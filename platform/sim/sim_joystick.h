// A virtual game pad: capabilities, the current sample, plug and unplug.
#pragma once

#include <cstdint>

#include "platform/constants.h"
#include "platform/joystick.h"

namespace qv::sim {

class SimJoystick final : public Joystick {
 public:
  // The pad a test starts with: twelve buttons, and axes from 0 to kAxisMax
  // that rest at kAxisCentre.
  static constexpr std::uint32_t kAxisMax = 65535;
  static constexpr std::uint32_t kAxisCentre = 32767;
  static constexpr std::uint32_t kButtonCount = 12;

  SimJoystick() {
    caps_.xMax = caps_.yMax = caps_.zMax = kAxisMax;
    caps_.numButtons = kButtonCount;
    Center();
  }

  // The pad sits on one port; other ports are empty.
  void SetPort(std::uint32_t port) { port_ = port; }
  void Plug() { plugged_ = true; }
  void Unplug() { plugged_ = false; }
  JoyCaps& Caps() { return caps_; }

  void Center() {
    x_ = y_ = z_ = kAxisCentre;
    buttons_ = 0;
    pov_ = kJoyPovCentered;
  }
  void SetStick(std::uint32_t x, std::uint32_t y) { x_ = x; y_ = y; }
  void SetZ(std::uint32_t z) { z_ = z; }
  void SetButtons(std::uint32_t mask) { buttons_ = mask; }
  void Press(int button) { buttons_ |= 1u << button; }
  void Release(int button) { buttons_ &= ~(1u << button); }
  void SetPov(std::uint32_t pov) { pov_ = pov; }

  int reads = 0;
  int capsQueries = 0;
  std::uint32_t lastSampleSize = 0;
  std::uint32_t lastSampleFlags = 0;

  Status GetCaps(std::uint32_t port, JoyCaps& caps) override {
    ++capsQueries;
    if (!plugged_ || port != port_) return Status::NotFound;
    caps = caps_;
    return Status::Ok;
  }

  Status GetPosEx(std::uint32_t port, JoyInfoEx& sample) override {
    ++reads;
    lastSampleSize = sample.dwSize;
    lastSampleFlags = sample.dwFlags;
    if (!plugged_ || port != port_) return Status::NotFound;
    sample.dwXpos = x_;
    sample.dwYpos = y_;
    sample.dwZpos = z_;
    sample.dwButtons = buttons_;
    sample.dwPOV = pov_;
    return Status::Ok;
  }

 private:
  JoyCaps caps_;
  std::uint32_t port_ = 0;
  bool plugged_ = true;
  std::uint32_t x_ = 0, y_ = 0, z_ = 0, buttons_ = 0, pov_ = kJoyPovCentered;
};

}  // namespace qv::sim
