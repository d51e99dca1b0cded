#pragma once
// The phone remote seen from the main program: its server runs while `PhoneRemote` is 1 (no
// socket is open otherwise), its inputs join the input wait after the virtual remote's, the
// answer key follows every presented frame, and the control window shows the pairing's QR code,
// whether a phone is connected and how many messages were refused.

#include <string>

#include "app/loop/ProgramContext.h"

namespace lenvari {

// Starts or stops the server to match the setting (at loop entry and after the configuration
// dialog); a port that cannot be opened is told in the status notice.
void ApplyPhoneRemoteSetting(ProgramContext& context);

// One look of the input wait: the next phone input ("m1" .. "m12" translated as the virtual
// remote's are), or "". Also carries out an unpair asked for in the control window and keeps
// its phone status up to date.
std::string TakePhoneInput(ProgramContext& context);

// The answer key of the frame just presented, to every paired phone.
void PublishAnswerKey(ProgramContext& context);

}  // namespace lenvari
