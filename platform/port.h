// Common base of the ports: small pure interfaces that cannot be copied.
#pragma once

namespace qv {

class Port {
 public:
  Port() = default;
  Port(const Port&) = delete;
  Port& operator=(const Port&) = delete;

 protected:
  virtual ~Port() = default;
};

}  // namespace qv
