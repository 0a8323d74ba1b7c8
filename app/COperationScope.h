#pragma once
#include "app/COperationState.h"

namespace tarvix::app {

// One protocol operation, from construction to destruction; scopes may nest.
class COperationScope {
 public:
  explicit COperationScope(COperationState& state) : state_(state) { state_.Enter(); }
  ~COperationScope() { state_.Leave(); }
  COperationScope(const COperationScope&) = delete;
  COperationScope& operator=(const COperationScope&) = delete;

 private:
  COperationState& state_;
};

}  // namespace tarvix::app
