#include "common/AcuityNotation.h"
#include "dialogs/LenvariDLL.h"

std::string CONVERTACUITY(const std::string& acuity, const int& base) {
  return lenvari::ConvertAcuity(acuity, base);
}
