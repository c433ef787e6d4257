// Outcome: the result of an operation that can fail with a message for the user. Readers,
// writers, export and print return one, so a caller always has either the value or a sentence
// that says what went wrong (with the file's name in it), never a bare flag.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tavolo {

// Why an operation failed, in words the user can be shown.
struct Failure {
  std::string message;
};

template <typename T = void>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}  // NOLINT: a value converts to success
  Outcome(Failure failure) : message_(std::move(failure.message)) {}  // NOLINT: and a failure

  bool Ok() const { return value_.has_value(); }
  explicit operator bool() const { return Ok(); }
  // Only when Ok().
  const T& Value() const& { return *value_; }
  T& Value() & { return *value_; }
  T&& Value() && { return std::move(*value_); }
  // Empty when Ok().
  const std::string& Message() const { return message_; }

 private:
  std::optional<T> value_;
  std::string message_;
};

template <>
class [[nodiscard]] Outcome<void> {
 public:
  Outcome() = default;
  Outcome(Failure failure) : ok_(false), message_(std::move(failure.message)) {}  // NOLINT

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const std::string& Message() const { return message_; }

 private:
  bool ok_ = true;
  std::string message_;
};

}  // namespace tavolo
