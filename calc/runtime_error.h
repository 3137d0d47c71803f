#pragma once

#include <exception>
#include <string>

namespace calc {

// The one error record of the system: a number with its standard description.
class RuntimeError : public std::exception {
 public:
  RuntimeError(int number, std::string description);

  static RuntimeError Overflow();
  static RuntimeError SubscriptOutOfRange();

  int number() const;
  const std::string& description() const;
  const char* what() const noexcept override;

 private:
  int number_;
  std::string description_;
};

}  // namespace calc
