#pragma once

#include "win32/WinApi.h"

#include <objbase.h>

// COM for the calling thread while this lives.
class ComInitialisation {
 public:
  ComInitialisation() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComInitialisation() {
    if (initialised_) CoUninitialize();
  }
  ComInitialisation(const ComInitialisation&) = delete;
  ComInitialisation& operator=(const ComInitialisation&) = delete;

 private:
  bool initialised_;
};

// Holds one reference to a COM object and releases it when it goes.
template <typename Interface>
class ComReference {
 public:
  ComReference() = default;
  ~ComReference() {
    if (object_) object_->Release();
  }
  ComReference(const ComReference&) = delete;
  ComReference& operator=(const ComReference&) = delete;

  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // Where a creating call writes the new reference.
  Interface** Receive() { return &object_; }

 private:
  Interface* object_ = nullptr;
};
