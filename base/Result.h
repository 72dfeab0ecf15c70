#pragma once

#include <string>
#include <utility>
#include <variant>

namespace cadmira {

// Why an operation failed, in words fit for a one-line message.
struct Error {
  std::string message;
  // The system's error number when the system gave the reason (errno), else 0; lets a caller
  // word the reason in its own language.
  int code = 0;
};

// A value or the error that prevented it; callers must look before they take the value.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : m_state(std::move(value)) {}
  Result(Error error) : m_state(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(m_state); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return std::get<T>(m_state); }
  T& value() & { return std::get<T>(m_state); }
  T&& value() && { return std::get<T>(std::move(m_state)); }
  const Error& error() const { return std::get<Error>(m_state); }

 private:
  std::variant<T, Error> m_state;
};

// Success or an error, for operations that give nothing back.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error) : m_error(std::move(error)), m_failed(true) {}

  bool ok() const { return !m_failed; }
  explicit operator bool() const { return ok(); }
  const Error& error() const { return m_error; }

 private:
  Error m_error;
  bool m_failed = false;
};

}  // namespace cadmira
