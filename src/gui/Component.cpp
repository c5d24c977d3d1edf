#include "gui/Component.h"

#include <algorithm>

TComponent::~TComponent() {
  for (TComponent* other : linked_) {
    std::erase(other->linked_, this);
    other->Notification(*this);
  }
}

void TComponent::FreeNotification(TComponent& other) {
  if (&other == this || std::find(linked_.begin(), linked_.end(), &other) != linked_.end()) return;
  linked_.push_back(&other);
  other.linked_.push_back(this);
}

void TComponent::Notification(TComponent&) {}
