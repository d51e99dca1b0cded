#include "app/PhoneRemote.h"

#include "app/WaitForInput.h"
#include "gallery/MonitorWindowText.h"
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
  PhoneServer* server = context.phoneServer.get();
  if (!server) {
    context.console.ShowPhonePairing(QImage(), "");
    context.phoneStatusShown.clear();
    return;
  }
  const std::string status = PhoneStatusText(*server);
  const std::string address = server->PairingAddressNow();
  if (status + address == context.phoneStatusShown) return;
  context.phoneStatusShown = status + address;
  context.console.ShowPhonePairing(QrImage(QrModulesOf(address), kQrPixelsPerModule),
                                   "Phone Remote: scan to pair (" + status + ")");
}

}  // namespace

void ApplyPhoneRemoteSetting(ProgramContext& context) {
  const PhoneRemoteOptions& options = context.state.phoneRemote;
  if (options.PhoneRemote != 1) {
    context.phoneServer.reset();
    ShowPhonePairing(context);
    return;
  }
  if (context.phoneServer && context.phoneServer->Port() == options.PhonePort) return;
  ConsoleHost& console = context.console;
  context.phoneServer = std::make_unique<PhoneServer>(
      [&console](const std::string& address) { console.Print("[Phone Remote] " + address + "\n"); });
  std::string reason;
  if (!context.phoneServer->Start(options.PhonePort, &reason)) {
    context.phoneServer.reset();
    context.statusNotice = "Phone Remote: port " + std::to_string(options.PhonePort) +
                           " could not be opened (" + reason + ")";
  }
  PublishAnswerKey(context);
  ShowPhonePairing(context);
}

std::string TakePhoneInput(ProgramContext& context) {
  if (!context.phoneServer) return "";
  if (context.console.TakeUnpairRequest()) context.phoneServer->Unpair();
  ShowPhonePairing(context);
  return TranslateRemoteText(context.phoneServer->TakeInput());
}

void PublishAnswerKey(ProgramContext& context) {
  if (!context.phoneServer) return;
  const MonitorWindowText text =
      MonitorWindowTextOf(context.state.chart.Mode, context.state.MonitorText);
  context.phoneServer->PublishAnswerKey(
      AnswerKeyMessage({text.caption, text.heading, text.lines}, ++context.phoneFramesSent));
}

}  // namespace lenvari
