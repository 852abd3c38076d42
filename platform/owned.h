// Move-only owner of a handle that a port made (a menu, an icon, a bitmap):
// it gives the handle back to that port when it goes, so that no path, an
// early return included, frees a handle by hand or forgets to. The port's
// releasing function is protected and reachable only from here.
#pragma once

#include <cstdint>
#include <utility>

namespace qv {

template <typename Port, typename Kind>
class Owned {
 public:
  using Handle = std::uintptr_t;

  Owned() noexcept = default;
  // Takes `handle` (0: none) from `port`, which frees it.
  Owned(Port& port, Handle handle) noexcept : port_(&port), handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : port_(other.port_), handle_(std::exchange(other.handle_, 0)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      port_ = other.port_;
      handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
  }
  ~Owned() { reset(); }

  [[nodiscard]] Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != 0; }

  void reset() noexcept {
    if (handle_ != 0) port_->Release(Kind{}, std::exchange(handle_, 0));
  }
  // The handle now belongs to what it was handed to (a parent menu frees its
  // submenus with itself); this owner forgets it.
  void HandOver() noexcept { handle_ = 0; }

 private:
  Port* port_ = nullptr;
  Handle handle_ = 0;
};

// Which kind of handle an owner holds, for the port's releasing function.
struct MenuKind {};
struct IconKind {};
struct BitmapKind {};

}  // namespace qv
