// Result of an operation that can fail. Marked [[nodiscard]] so that a caller
// has to decide what a failure means; the programs use no exceptions.
#pragma once

namespace qv {

enum class [[nodiscard]] Status {
  Ok,
  Failed,        // the system refused; nothing more is known
  NotFound,      // key, value, file or device is not there
  WrongType,     // a registry value of another type than asked for
  TooLarge,      // the data does not fit the caller's buffer
};

[[nodiscard]] constexpr bool Succeeded(Status s) { return s == Status::Ok; }

// A system call's success flag as a status: the system said no more than that.
constexpr Status OkOrFailed(bool succeeded) { return succeeded ? Status::Ok : Status::Failed; }

// The one spelled way of going on whatever an operation's outcome.
constexpr void Ignore(Status) {}

}  // namespace qv
