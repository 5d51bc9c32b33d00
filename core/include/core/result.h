// A value, or the reason there is none: what every reading and conversion of the core gives.
#ifndef CORE_RESULT_H_
#define CORE_RESULT_H_

#include <utility>

namespace core {

// Why a reading or a conversion gave no value.
enum class Failure {
  Unreadable,  // the text is not a number
  Overflow,    // the value lies beyond the largest finite value of its type
};

// Tests true when it holds a value.
template <class T>
class Result {
 public:
  constexpr Result(T value)
      : value_(std::move(value)), has_value_(true) {}  // NOLINT: implicit by design
  constexpr Result(Failure failure) : failure_(failure), has_value_(false) {}  // NOLINT

  constexpr explicit operator bool() const { return has_value_; }
  constexpr bool has_value() const { return has_value_; }
  // Only when the result holds a value.
  constexpr const T& value() const { return value_; }
  constexpr const T& operator*() const { return value_; }
  constexpr const T* operator->() const { return &value_; }
  // Only when the result holds no value.
  constexpr Failure error() const { return failure_; }

 private:
  T value_{};
  Failure failure_ = Failure::Unreadable;
  bool has_value_;
};

}  // namespace core

#endif  // CORE_RESULT_H_
