#pragma once
// Errors are exceptions. Their messages are GBK text, shown to the user as
// they stand by the application's standard error box.
#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};

// A file error of the runtime, carrying its input/output error code:
// 2 file not found, 5 access denied, 100 read past the end of the file,
// any other code as the system reported it.
class EInOutError : public Exception {
 public:
  explicit EInOutError(int code);
  int ErrorCode() const noexcept { return FErrorCode; }

 private:
  int FErrorCode;
};

// A failed assertion of the runtime: the message ("Assertion failure" when
// empty) followed by the unit that asserted, in parentheses.
class EAssertionFailed : public Exception {
 public:
  EAssertionFailed(const std::string& message, const std::string& unit)
      : Exception((message.empty() ? std::string("Assertion failure") : message) + " (" + unit + ")") {}
};
