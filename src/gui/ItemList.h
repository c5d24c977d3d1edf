#pragma once

#include <memory>
#include <string_view>

// Lines as a list shows them, each with an object reference, by index.
class TItemSource {
 public:
  virtual int Count() const = 0;
  virtual std::string_view Text(int index) const = 0;
  virtual void* Object(int index) const = 0;

 protected:
  ~TItemSource() = default;
};

// A list control that shows lines kept elsewhere, as a chart hands it its entries.
class TItemList {
 public:
  virtual void Clear() = 0;
  // Shows `lines` in their order, drawing each from there; the list keeps them alive
  // until it is cleared or shown others.
  virtual void ShowLines(std::shared_ptr<const TItemSource> lines) = 0;

 protected:
  ~TItemList() = default;
};
