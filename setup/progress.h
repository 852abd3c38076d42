// What the install and the uninstall need of their progress display: a
// caption, a bar from 0 to 100 and one line of text, for one operation.
#pragma once

namespace qv {

class ProgressDisplay {
 public:
  ProgressDisplay() = default;
  ProgressDisplay(const ProgressDisplay&) = delete;
  ProgressDisplay& operator=(const ProgressDisplay&) = delete;

  // Shows the display with its caption (the program's text). A display
  // that cannot be made leaves the operation to run without one.
  virtual void Open(const char* caption) = 0;
  virtual void SetPosition(int position) = 0;
  virtual void SetMessage(const char* text) = 0;
  virtual void Close() = 0;

 protected:
  ~ProgressDisplay() = default;
};

// Opens the display for one operation and closes it however that ends.
class ProgressSession {
 public:
  ProgressSession(ProgressDisplay& display, const char* caption) : display_(display) {
    display_.Open(caption);
  }
  ProgressSession(const ProgressSession&) = delete;
  ProgressSession& operator=(const ProgressSession&) = delete;
  ~ProgressSession() { display_.Close(); }

  void Step(int position, const char* text) {
    display_.SetPosition(position);
    display_.SetMessage(text);
  }
  void Position(int position) { display_.SetPosition(position); }
  void Message(const char* text) { display_.SetMessage(text); }

 private:
  ProgressDisplay& display_;
};

}  // namespace qv
