#pragma once

#include <string>

// A list control whose lines each carry an object reference, as a chart fills it.
class TItemList {
 public:
  virtual void Clear() = 0;
  // Expected: how many lines are about to come, so storage can be made at once.
  virtual void BeginUpdate(int expected) = 0;
  virtual void AddItem(const std::string& text, void* object) = 0;
  virtual void EndUpdate() = 0;

 protected:
  ~TItemList() = default;
};
