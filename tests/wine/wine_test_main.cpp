// The integration tests run on one single-threaded apartment, as a form's UI thread.

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (FAILED(OleInitialize(nullptr)))
        return 2;
    int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
