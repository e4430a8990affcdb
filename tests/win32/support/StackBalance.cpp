#include "StackBalance.h"

namespace testing_support {
namespace {
// Outside the stack on purpose: the stack pointer moves while they are used.
uint32_t stackBefore;
uint32_t stackAfter;
const void* callee;
const uint32_t* argumentData;
uint32_t argumentCount;
} // namespace

int32_t StackImbalanceAfterCall(const void* function, const std::vector<uint32_t>& arguments) {
    callee = function;
    argumentData = arguments.data();
    argumentCount = static_cast<uint32_t>(arguments.size());
    asm volatile("movl %%esp, %[before]\n\t"
                 "movl %[count], %%ecx\n\t"
                 "movl %[data], %%edx\n\t"
                 "1:\n\t"
                 "testl %%ecx, %%ecx\n\t"
                 "jz 2f\n\t"
                 "pushl -4(%%edx,%%ecx,4)\n\t"
                 "decl %%ecx\n\t"
                 "jmp 1b\n\t"
                 "2:\n\t"
                 "movl %[fn], %%eax\n\t"
                 "call *%%eax\n\t"
                 "movl %%esp, %[after]\n\t"
                 "movl %[before], %%esp\n\t"
                 : [before] "+m"(stackBefore), [after] "=m"(stackAfter)
                 : [fn] "m"(callee), [data] "m"(argumentData), [count] "m"(argumentCount)
                 : "eax", "ecx", "edx", "memory", "cc");
    return static_cast<int32_t>(stackAfter - stackBefore);
}

} // namespace testing_support
