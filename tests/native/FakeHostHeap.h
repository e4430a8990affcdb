// A host heap for native tests: counts blocks and can refuse them.
#pragma once

#include "plugin/HostString.h"

#include <set>

namespace testing_support {

class FakeHostHeap {
public:
    FakeHostHeap();
    ~FakeHostHeap();

    int refuseNext = 0;   // how many allocations to refuse
    std::set<void*> live; // blocks allocated and not yet released
    int allocations = 0;
    int releases = 0;
    int foreignReleases = 0; // releases of blocks this heap never gave out

private:
    glimmerbox::HostHeap saved_;
};

} // namespace testing_support
