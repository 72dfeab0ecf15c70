#pragma once

#include <cstdint>

namespace cadmira::pages {

// Told of every change the ribbon tree makes to its items, so that a view can follow.
class IRibbonTreeObserver {
 public:
  virtual void CheckChanged(std::int32_t node, bool checked) = 0;
  virtual void Expanded(std::int32_t node) = 0;

 protected:
  ~IRibbonTreeObserver() = default;
};

}  // namespace cadmira::pages
