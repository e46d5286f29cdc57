#pragma once

namespace scene {

// What every failed control operation is, beside its standard exception: a lookup of a control
// that does not exist, or a value a control cannot take (an index or colour out of its range). It
// ends the operation in progress and every procedure that called it, up to the handler; only
// these failures are caught there, anything else (out of memory) is not swallowed.
class ControlFailure {
  public:
    virtual ~ControlFailure() = default;
};

}  // namespace scene
