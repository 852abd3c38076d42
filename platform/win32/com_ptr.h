// Owners for the component system: a started component system for one
// scope, and an interface pointer released by its owner.
#pragma once

#include "platform/win32/win32_api.h"

#include <objbase.h>  // after the Windows headers, which it needs

namespace qv {

// Starts the component system for this thread; ends it again only when the
// start succeeded (a failed start must not be balanced).
class ComScope {
 public:
  ComScope() : started_(SUCCEEDED(::CoInitialize(nullptr))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (started_) ::CoUninitialize();
  }
  bool started() const { return started_; }

 private:
  bool started_;
};

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  void reset() {
    if (pointer_ != nullptr) pointer_->Release();
    pointer_ = nullptr;
  }
  // For functions that hand out an interface through a void**.
  void** put() {
    reset();
    return reinterpret_cast<void**>(&pointer_);
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace qv
