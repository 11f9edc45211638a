// The budget of left-out array elements for the setAttr hooks of one scene
// file (see SetAttrRequest.h). Reading is single-threaded; the budget open
// on a thread applies to the hooks that thread runs.

#include "scenefile/SetAttrRequest.h"

namespace orvex_host {

namespace {
thread_local ElementGapBudget* openBudget = nullptr;
} // namespace

ElementGapBudget::ElementGapBudget(unsigned long long elements) : left_(elements), outer_(openBudget) {
    openBudget = this;
}

ElementGapBudget::~ElementGapBudget() {
    openBudget = outer_;
}

bool ElementGapBudget::spend(unsigned long long elements) {
    if (!openBudget) {
        return true;
    }
    if (elements > openBudget->left_) {
        return false;
    }
    openBudget->left_ -= elements;
    return true;
}

} // namespace orvex_host
