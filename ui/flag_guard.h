// Raises a busy flag for the lifetime of a scope and lowers it again however the scope is left.
#ifndef UI_FLAG_GUARD_H_
#define UI_FLAG_GUARD_H_

namespace ui {

class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace ui

#endif  // UI_FLAG_GUARD_H_
