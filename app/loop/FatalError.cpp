#include "app/loop/FatalError.h"

#include <QThread>

#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>

#include "common/NumberText.h"

namespace lenvari {

int RuntimeErrorNumber(const std::exception_ptr& error) {
  // The numbers of the classic run-time errors: 7 out of memory, 9 subscript out of range,
  // 5 anything else (an illegal function call).
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return 7;
  } catch (const std::out_of_range&) {
    return 9;
  } catch (...) {
    return 5;
  }
}

int HandleFatalError(ConsoleTextScreen* screen, int errorNumber, int waitMilliseconds) {
  const std::string line = "runtime error #" + NumberText(errorNumber) + "\n";
  if (screen) {
    screen->Console80x(25);
    screen->Print(line);
  } else {
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
  }
  QThread::msleep(static_cast<unsigned long>(waitMilliseconds));
  // A run that died must not look like one that ended normally to whoever started it.
  return kFatalErrorExitCode;
}

}  // namespace lenvari
