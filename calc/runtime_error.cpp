#include "calc/runtime_error.h"

#include <utility>

namespace calc {

RuntimeError::RuntimeError(int number, std::string description)
    : number_(number), description_(std::move(description)) {}

RuntimeError RuntimeError::Overflow() { return {6, "Overflow"}; }

RuntimeError RuntimeError::SubscriptOutOfRange() { return {9, "Subscript out of range"}; }

int RuntimeError::number() const { return number_; }

const std::string& RuntimeError::description() const { return description_; }

const char* RuntimeError::what() const noexcept { return description_.c_str(); }

}  // namespace calc
