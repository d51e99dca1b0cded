#include "app/examiner/PhoneRemote.h"

#include "app/loop/WaitForInput.h"
#include "monitorwindow/MonitorWindowText.h"
#include "phone/AnswerKeyMessage.h"
#include "phone/PairingQrCode.h"
#include "phone/PhoneServer.h"

namespace lenvari {
namespace {

constexpr int kQrPixelsPerModule = 4;

std::string PhoneStatusText(const PhoneServer& server) {
  std::string text = server.PhoneConnected() ? "phone connected" : "no phone connected";
  text += "; refused messages: " + std::to_string(server.RefusedMessages());
  return text;
}

void ShowPhonePairing(ProgramContext& context) {
  PhoneServer* server = context.phone.server.get();
  if (!server) {
    context.console.ShowPhonePairing(QImage(), "");
    context.phone.statusShown.clear();
    return;
  }
  const std::string status = PhoneStatusText(*server);
  const std::string address = server->PairingAddressNow();
  if (status + address == context.phone.statusShown) return;
  context.phone.statusShown = status + address;
  context.console.ShowPhonePairing(QrImage(QrModulesOf(address), kQrPixelsPerModule),
                                   "Phone Remote: scan to pair (" + status + ")");
}

}  // namespace

void ApplyPhoneRemoteSetting(ProgramContext& context) {
  const PhoneRemoteOptions& options = context.state.phoneRemote;
  if (options.PhoneRemote != 1) {
    context.phone.server.reset();
    ShowPhonePairing(context);
    return;
  }
  if (context.phone.server && context.phone.server->Port() == options.PhonePort) return;
  ConsoleTextScreen& screen = context.console;
  context.phone.server = std::make_unique<PhoneServer>(
      [&screen](const std::string& address) { screen.Print("[Phone Remote] " + address + "\n"); });
  std::string reason;
  if (!context.phone.server->Start(options.PhonePort, &reason)) {
    context.phone.server.reset();
    context.notices.status = "Phone Remote: port " + std::to_string(options.PhonePort) +
                           " could not be opened (" + reason + ")";
  }
  PublishAnswerKey(context);
  ShowPhonePairing(context);
}

std::string TakePhoneInput(ProgramContext& context) {
  if (!context.phone.server) return "";
  if (context.console.TakeUnpairRequest()) context.phone.server->Unpair();
  ShowPhonePairing(context);
  return TranslateRemoteText(context.phone.server->TakeInput());
}

void PublishAnswerKey(ProgramContext& context) {
  if (!context.phone.server) return;
  const MonitorWindowText text =
      MonitorWindowTextOf(context.state.chart.Mode, context.state.MonitorText);
  context.phone.server->PublishAnswerKey(
      AnswerKeyMessage({text.caption, text.heading, text.lines}, ++context.phone.framesSent));
}

}  // namespace lenvari
