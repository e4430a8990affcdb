// HostStrings live in the Windows global heap (fixed blocks), so that the host
// can free what the plug-in hands over and the other way round.
#include "HostString.h"

#include <windows.h>

namespace glimmerbox {
namespace {

void* GlobalHeapAllocate(size_t bytes) {
    return ::GlobalAlloc(GMEM_FIXED, bytes);
}
void GlobalHeapRelease(void* block) {
    ::GlobalFree(static_cast<HGLOBAL>(block));
}

} // namespace

HostHeap& ActiveHostHeap() {
    static HostHeap heap{&GlobalHeapAllocate, &GlobalHeapRelease};
    return heap;
}

} // namespace glimmerbox
