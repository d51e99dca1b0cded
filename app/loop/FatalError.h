#pragma once
// The fatal-error handler: a run-time error that no procedure handles itself ends here.

#include <exception>

#include "platform/ConsoleTextScreen.h"

namespace lenvari {

// The error number shown for an escaped error.
int RuntimeErrorNumber(const std::exception_ptr& error);

constexpr int kFatalErrorExitCode = 70;  // the BSD "internal software error" status

// Restores the console, prints "runtime error #" with the number, waits `waitMilliseconds`
// (5000 in the program) and returns the exit code, `kFatalErrorExitCode`.
int HandleFatalError(ConsoleTextScreen* screen, int errorNumber, int waitMilliseconds);

}  // namespace lenvari
