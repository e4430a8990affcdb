// main() of every Win32 test program: no error boxes that would wait for a
// person, then GoogleTest.
#include <gtest/gtest.h>

#include <windows.h>

int main(int argc, char** argv) {
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
