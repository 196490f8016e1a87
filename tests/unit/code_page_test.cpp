// The test runs happen under more than one system code page; this one says which it got.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

TEST(CodePage, IsTheOneThisRunWasStartedWith) {
    const char* expected = std::getenv("TUK_EXPECTED_CODE_PAGE");
    if (!expected)
        GTEST_SKIP() << "run without TUK_EXPECTED_CODE_PAGE; the code page is " << GetACP();
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}
