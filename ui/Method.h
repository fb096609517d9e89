#pragma once
// A method of an object: the object and the code to call on it, held as one
// value. Events (OnCreate, OnDragFile, ...) and a control's WindowProc are
// methods; two methods are equal when they call the same code on the same
// object, so a caller can save a control's WindowProc, install its own and
// put the saved one back later.
#include <utility>

// The untyped form of a method, as published method properties carry it.
struct TRawMethod {
  void* Data = nullptr;
  void (*Code)() = nullptr;

  bool operator==(const TRawMethod&) const = default;
};

template <class Signature>
class TMethod;

template <class R, class... Args>
class TMethod<R(Args...)> {
 public:
  using TCode = R (*)(void* data, Args... args);

  constexpr TMethod() = default;
  constexpr TMethod(void* data, TCode code) : FData(data), FCode(code) {}

  // The member function Fn of object: TMethod::Of<&TForm::FormCreate>(form).
  template <auto Fn, class T>
  static TMethod Of(T* object) {
    return TMethod(static_cast<void*>(object), [](void* data, Args... args) -> R {
      return (static_cast<T*>(data)->*Fn)(std::forward<Args>(args)...);
    });
  }

  static TMethod FromRaw(TRawMethod raw) {
    return TMethod(raw.Data, reinterpret_cast<TCode>(raw.Code));
  }
  TRawMethod Raw() const { return {FData, reinterpret_cast<void (*)()>(FCode)}; }

  // Assigned: there is code to call.
  explicit operator bool() const { return FCode != nullptr; }
  R operator()(Args... args) const { return FCode(FData, std::forward<Args>(args)...); }

  void* Data() const { return FData; }
  TCode Code() const { return FCode; }

  bool operator==(const TMethod&) const = default;

 private:
  void* FData = nullptr;
  TCode FCode = nullptr;
};

class TObject;
// The usual event: only the sender.
using TNotifyEvent = TMethod<void(TObject* Sender)>;
