#pragma once

#include <functional>
#include <memory>

// A timer as a control needs one: an interval, on or off, and what it calls.
class TTicker {
 public:
  virtual ~TTicker() = default;
  virtual void SetInterval(unsigned milliseconds) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  std::function<void()> OnTick;
};

// Makes a timer when a control first needs one.
using TTickerFactory = std::function<std::unique_ptr<TTicker>()>;
