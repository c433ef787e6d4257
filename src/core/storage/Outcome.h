// Outcome: the result of an operation that can fail with a message for the user. Readers,
// writers, export and print return one, so a caller always has either the value or a sentence
// that says what went wrong (with the file's name in it), never a bare flag.
#pragma once

#include <concepts>
#include <optional>
#include <string>
#include <utility>

namespace tavolo {

// Why an operation failed, in words the user can be shown.
struct Failure {
  std::string message;
  // The errno of a failed file operation, for callers that act on the cause (a missing file is
  // not a damaged one); 0 for every other failure.
  int error = 0;
};

// `E` is the failure: Failure by default, or a struct with a `message` and what else a caller
// needs to act on (a small enum of kinds where callers branch on the kind, and what was done
// before the failure).
template <typename T = void, typename E = Failure>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}        // NOLINT: a value converts to success
  Outcome(E failure) : failure_(std::move(failure)) {}  // NOLINT: and a failure

  bool Ok() const { return value_.has_value(); }
  explicit operator bool() const { return Ok(); }
  // Only when Ok().
  const T& Value() const& { return *value_; }
  T& Value() & { return *value_; }
  T&& Value() && { return std::move(*value_); }
  // Empty when Ok().
  const std::string& Message() const { return failure_.message; }
  // 0 when Ok().
  int Error() const requires std::same_as<E, Failure> { return failure_.error; }
  // The whole failure; only meaningful when not Ok().
  const E& Fault() const { return failure_; }

 private:
  std::optional<T> value_;
  E failure_;
};

template <typename E>
class [[nodiscard]] Outcome<void, E> {
 public:
  Outcome() = default;
  Outcome(E failure) : ok_(false), failure_(std::move(failure)) {}  // NOLINT

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const std::string& Message() const { return failure_.message; }
  int Error() const requires std::same_as<E, Failure> { return failure_.error; }
  const E& Fault() const { return failure_; }

 private:
  bool ok_ = true;
  E failure_;
};

}  // namespace tavolo
