#pragma once

// The root of the base library's polymorphic objects.
class CZD_Object {
 public:
  virtual ~CZD_Object() = default;
};
