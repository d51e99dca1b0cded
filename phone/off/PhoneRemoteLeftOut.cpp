// The phone remote in a build without it (LENVARI_PHONE_REMOTE off, as on Windows, where Qt
// WebSockets and libqrencode are missing): the server never starts and says why, so turning
// the setting on shows that reason in the status notice instead of failing silently.

#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "phone/PairingQrCode.h"
#include "phone/PhoneServer.h"

// Complete types for the server's socket holders, which are always empty here.
class QWebSocket : public QObject {};
class QWebSocketServer : public QObject {};

namespace lenvari {

PhoneServer::PhoneServer(std::function<void(const std::string& address)> newCode)
    : newCode_(std::move(newCode)) {}

PhoneServer::~PhoneServer() = default;

bool PhoneServer::Start(int, std::string* reason) {
  if (reason) *reason = "this build has no phone remote";
  return false;
}

void PhoneServer::Stop() {}
bool PhoneServer::Listening() const { return false; }
int PhoneServer::Port() const { return 0; }
std::string PhoneServer::PairingAddressNow() const { return ""; }
std::string PhoneServer::TakeInput() { return ""; }
void PhoneServer::PublishAnswerKey(const std::string& json) { answerKey_ = json; }
bool PhoneServer::PhoneConnected() const { return false; }
void PhoneServer::Unpair() {}

QrModules QrModulesOf(const std::string&) { return {}; }

QImage QrImage(const QrModules&, int) { return {}; }

}  // namespace lenvari
