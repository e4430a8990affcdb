// Calls a __stdcall function through a raw argument list and reports by how
// many bytes the stack pointer differs afterwards: 0 when the callee popped
// exactly its arguments.
#pragma once

#include <cstdint>
#include <vector>

namespace testing_support {

int32_t StackImbalanceAfterCall(const void* function, const std::vector<uint32_t>& arguments);

} // namespace testing_support
