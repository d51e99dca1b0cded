#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "app/loop/FatalError.h"
#include "support/FakeConsoleHost.h"
#include "support/Tie.h"

namespace lenvari {

TEST(FatalError, PrintsTheNumberOnTheRestoredConsoleAndEndsAsAFailure) {
  FakeConsoleHost console;
  EXPECT_EQ(Tie(HandleFatalError(&console, 9, 0), console.printed,
                RuntimeErrorNumber(std::make_exception_ptr(std::bad_alloc())),
                RuntimeErrorNumber(std::make_exception_ptr(std::out_of_range("x"))),
                RuntimeErrorNumber(std::make_exception_ptr(42))),
            Tie(kFatalErrorExitCode, "runtime error # 9\n", 7, 9, 5));
}

}  // namespace lenvari
