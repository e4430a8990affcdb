#include "FakeHostHeap.h"

#include <cstdlib>

namespace testing_support {
namespace {
FakeHostHeap* active = nullptr;

void* Allocate(size_t bytes) {
    if (active->refuseNext > 0) {
        --active->refuseNext;
        return nullptr;
    }
    void* block = std::malloc(bytes);
    active->live.insert(block);
    ++active->allocations;
    return block;
}

void Release(void* block) {
    if (active->live.erase(block) == 0)
        ++active->foreignReleases;
    ++active->releases;
    std::free(block);
}
} // namespace

FakeHostHeap::FakeHostHeap() : saved_(glimmerbox::ActiveHostHeap()) {
    active = this;
    glimmerbox::ActiveHostHeap() = {&Allocate, &Release};
}

FakeHostHeap::~FakeHostHeap() {
    glimmerbox::ActiveHostHeap() = saved_;
    for (void* block : live)
        std::free(block);
    active = nullptr;
}

} // namespace testing_support
