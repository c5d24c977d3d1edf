#pragma once

#include <functional>
#include <vector>

// Base of everything placed on a form: windows, controls, timers, dialogs. A form
// owns its components as members, so they are freed with it. A component that keeps
// a reference to another asks to be told when that one goes.
class TComponent {
 public:
  TComponent() = default;
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // From now on, whichever of the two goes first, the other hears of it through
  // Notification. Asking twice changes nothing.
  void FreeNotification(TComponent& other);

 protected:
  // `gone` is being destroyed: forget every reference to it.
  virtual void Notification(TComponent& gone);

 private:
  std::vector<TComponent*> linked_;
};

// An event that only tells who sent it.
using TNotifyEvent = std::function<void(TComponent& sender)>;

// An event that calls a handler method of `owner`, as forms bind their controls.
template <typename Owner>
TNotifyEvent Bind(Owner* owner, void (Owner::*handler)(TComponent&)) {
  return [owner, handler](TComponent& sender) { (owner->*handler)(sender); };
}
