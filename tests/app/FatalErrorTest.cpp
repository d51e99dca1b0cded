#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "app/FatalError.h"
#include "support/FakeConsoleHost.h"

namespace lenvari {

TEST(FatalError, PrintsTheNumberOnTheRestoredConsoleAndEndsAsAFailure) {
  FakeConsoleHost console;
  EXPECT_EQ(HandleFatalError(&console, 9, 0), kFatalErrorExitCode);
  EXPECT_EQ(console.printed, "runtime error # 9\n");
  EXPECT_EQ(RuntimeErrorNumber(std::make_exception_ptr(std::bad_alloc())), 7);
  EXPECT_EQ(RuntimeErrorNumber(std::make_exception_ptr(std::out_of_range("x"))), 9);
  EXPECT_EQ(RuntimeErrorNumber(std::make_exception_ptr(42)), 5);
}

}  // namespace lenvari
