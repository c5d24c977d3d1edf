#pragma once

#include <functional>
#include <string>

// Base of everything placed on a form: windows, controls, timers, dialogs. A form
// owns its components as members, so they are freed with it.
class TComponent {
 public:
  virtual ~TComponent() = default;
  std::string Name;
};

// An event that only tells who sent it.
using TNotifyEvent = std::function<void(TComponent& sender)>;
