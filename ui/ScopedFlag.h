#pragma once
// Sets a flag for the lifetime of this object and clears it again on every
// path out, exceptions included.
class TScopedFlag {
 public:
  explicit TScopedFlag(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TScopedFlag() { FFlag = false; }
  TScopedFlag(const TScopedFlag&) = delete;
  TScopedFlag& operator=(const TScopedFlag&) = delete;

 private:
  bool& FFlag;
};
