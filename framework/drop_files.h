// One drop of files from the shell, as a handler of WM_DROPFILES gets it:
// the names, and the release of the drop when the handler is done with it,
// whatever the handler did.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/window_host.h"

namespace qv {

class CDropFiles {
 public:
  CDropFiles(WindowHost& host, DropHandle drop) : host_(host), drop_(drop) {}
  ~CDropFiles() { host_.FinishDrop(drop_); }
  CDropFiles(const CDropFiles&) = delete;
  CDropFiles& operator=(const CDropFiles&) = delete;

  std::uint32_t Count() const { return host_.DropFileCount(drop_); }
  // The drop point in the receiving window's client coordinates.
  Point Where() const { return host_.DropPoint(drop_); }
  // Copies the name (a file-system name) cut at a character boundary to fit
  // `capacity`; returns its length, 0 for an index past the end.
  std::size_t Name(std::uint32_t index, char* text, std::size_t capacity) const {
    return host_.DropFileName(drop_, index, text, capacity);
  }
  template <std::size_t N>
  std::size_t Name(std::uint32_t index, char (&text)[N]) const {
    return Name(index, text, N);
  }

 private:
  WindowHost& host_;
  DropHandle drop_;
};

}  // namespace qv
