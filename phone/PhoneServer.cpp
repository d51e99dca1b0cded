#include "phone/PhoneServer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

#include <chrono>

#include "phone/HttpRequestHead.h"
#include "phone/PhoneAddress.h"
#include "phone/PhoneMessage.h"
#include "phone/PhonePage.h"

namespace lenvari {
namespace {

// Connections at one time: a phone or two, reconnecting; more is somebody else.
constexpr size_t kMostConnections = 16;
// A request head not complete by then is dropped with its connection.
constexpr int kRequestHeadMilliseconds = 10000;
// Frames and messages above this close the connection in the WebSocket layer itself; those
// between kLongestPhoneMessage and this are read and dropped (and counted).
constexpr quint64 kLargestFrame = 64 * 1024;
constexpr char kWebSocketPath[] = "/ws";
constexpr char kRefusedMessage[] = "{\"t\":\"refused\"}";
constexpr char kPairedMessage[] = "{\"t\":\"paired\"}";

double MonotonicNow() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string Response(const std::string& status, const std::string& contentType,
                     const std::string& body, bool withBody) {
  std::string text = "HTTP/1.1 " + status + "\r\n";
  text += "Content-Type: " + contentType + "\r\n";
  text += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  text += "Cache-Control: no-store\r\n";
  text += "X-Content-Type-Options: nosniff\r\n";
  text += "Referrer-Policy: no-referrer\r\n";
  text +=
      "Content-Security-Policy: default-src 'self'; connect-src 'self' ws:; img-src 'self' data:; "
      "frame-ancestors 'none'\r\n";
  text += "Connection: close\r\n\r\n";
  if (withBody) text += body;
  return text;
}

void Answer(QTcpSocket* socket, const std::string& response) {
  socket->write(response.data(), static_cast<qint64>(response.size()));
  socket->disconnectFromHost();
}

}  // namespace

PhoneServer::PhoneServer(std::function<void(const std::string&)> newCode)
    : newCode_(std::move(newCode)) {}

PhoneServer::~PhoneServer() { Stop(); }

bool PhoneServer::Start(int port, std::string* reason) {
  Stop();
  http_ = std::make_unique<QTcpServer>();
  if (!http_->listen(QHostAddress::Any, static_cast<quint16>(port))) {
    if (reason) *reason = http_->errorString().toStdString();
    http_.reset();
    return false;
  }
  http_->setMaxPendingConnections(static_cast<int>(kMostConnections));
  connect(http_.get(), &QTcpServer::newConnection, this, [this] { TakeConnection(); });
  webSockets_ = std::make_unique<QWebSocketServer>(QStringLiteral("Lenvari Acuity"),
                                                   QWebSocketServer::NonSecureMode);
  webSockets_->setMaxPendingConnections(static_cast<int>(kMostConnections));
  connect(webSockets_.get(), &QWebSocketServer::newConnection, this, [this] { TakeWebSocket(); });
  expiry_ = std::make_unique<QTimer>();
  expiry_->setInterval(1000);
  connect(expiry_.get(), &QTimer::timeout, this, [this] {
    if (WaitingCodeExpired(pairings_, MonotonicNow())) MakeNewCode();
  });
  expiry_->start();
  if (address_.empty()) address_ = LocalNetworkAddress();
  MakeNewCode();
  return true;
}

void PhoneServer::Stop() {
  for (auto& [socket, phone] : sockets_) {
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
  }
  sockets_.clear();
  expiry_.reset();
  if (webSockets_) webSockets_->close();
  webSockets_.reset();
  if (http_) http_->close();
  http_.reset();
  pairings_ = {};
  inputs_.clear();
}

bool PhoneServer::Listening() const { return http_ && http_->isListening(); }

int PhoneServer::Port() const { return http_ ? http_->serverPort() : 0; }

std::string PhoneServer::PairingAddressNow() const {
  if (!Listening() || pairings_.waitingCode.empty()) return "";
  return PairingAddress(address_, Port(), pairings_.waitingCode);
}

void PhoneServer::MakeNewCode() {
  SetWaitingCode(pairings_, NewPairingCode(), MonotonicNow());
  if (newCode_) newCode_(PairingAddressNow());
}

std::string PhoneServer::TakeInput() {
  if (inputs_.empty()) return "";
  std::string input = inputs_.front();
  inputs_.pop_front();
  return input;
}

void PhoneServer::PublishAnswerKey(const std::string& json) {
  answerKey_ = json;
  const QString text = QString::fromStdString(json);
  for (const auto& [socket, phone] : sockets_)
    if (!phone.empty()) socket->sendTextMessage(text);
}

bool PhoneServer::PhoneConnected() const {
  for (const auto& [socket, phone] : sockets_)
    if (!phone.empty()) return true;
  return false;
}

void PhoneServer::Unpair() {
  if (!Listening()) return;
  pairings_.bound.clear();
  for (auto& [socket, phone] : sockets_)
    if (!phone.empty()) socket->close(QWebSocketProtocol::CloseCodePolicyViolated, "unpaired");
  inputs_.clear();
  MakeNewCode();
}

void PhoneServer::TakeConnection() {
  while (QTcpSocket* socket = http_->nextPendingConnection()) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (sockets_.size() >= kMostConnections) {
      socket->abort();
      continue;
    }
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
    // A connection that never completes its request is not kept open.
    QTimer::singleShot(kRequestHeadMilliseconds, socket, [socket] {
      if (socket->property("lenvariUpgraded").toBool()) return;
      socket->abort();
    });
  }
}

void PhoneServer::ReadRequest(QTcpSocket* socket) {
  if (socket->property("lenvariUpgraded").toBool()) return;
  // Peeked, not read: a WebSocket upgrade hands the socket over with its request unread.
  const QByteArray arrived = socket->peek(kLongestRequestHead);
  HttpRequestHead head;
  const HeadStatus status = ReadRequestHead(arrived.toStdString(), head);
  if (status == HeadStatus::Incomplete) return;
  if (status == HeadStatus::Bad) {
    Answer(socket, Response("400 Bad Request", "text/plain", "", false));
    return;
  }
  if (head.path == kWebSocketPath && head.AsksForWebSocket()) {
    socket->setProperty("lenvariUpgraded", true);
    socket->disconnect(this);
    disconnect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->setParent(nullptr);
    webSockets_->handleConnection(socket);
    return;
  }
  socket->read(static_cast<qint64>(head.length));
  const bool withBody = head.method != "HEAD";
  if (head.method != "GET" && head.method != "HEAD") {
    Answer(socket, Response("405 Method Not Allowed", "text/plain", "", false));
    return;
  }
  const std::optional<PageFile> file = PhonePageFile(head.path);
  if (!file) {
    Answer(socket, Response("404 Not Found", "text/plain; charset=utf-8", "not found\n", withBody));
    return;
  }
  Answer(socket, Response("200 OK", file->contentType, file->bytes, withBody));
}

void PhoneServer::TakeWebSocket() {
  while (QWebSocket* socket = webSockets_->nextPendingConnection()) {
    if (sockets_.size() >= kMostConnections) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    socket->setMaxAllowedIncomingFrameSize(kLargestFrame);
    socket->setMaxAllowedIncomingMessageSize(kLargestFrame);
    sockets_[socket] = "";
    connect(socket, &QWebSocket::textMessageReceived, this,
            [this, socket](const QString& text) { ReadMessage(socket, text); });
    connect(socket, &QWebSocket::binaryMessageReceived, this,
            [this, socket](const QByteArray&) { Refuse(socket); });
    connect(socket, &QWebSocket::disconnected, this, [this, socket] {
      sockets_.erase(socket);
      socket->deleteLater();
    });
  }
}

void PhoneServer::Refuse(QWebSocket* socket) {
  ++refused_;
  socket->sendTextMessage(QString::fromLatin1(kRefusedMessage));
}

void PhoneServer::ReadMessage(QWebSocket* socket, const QString& text) {
  const std::string bytes = text.toStdString();
  if (bytes.size() > kLongestPhoneMessage) {
    Refuse(socket);
    return;
  }
  const PhoneCheck check = CheckPhoneMessage(pairings_, bytes, MonotonicNow());
  if (check.verdict == PhoneVerdict::Refused) {
    Refuse(socket);
    return;
  }
  const bool wasPaired = !sockets_[socket].empty();
  sockets_[socket] = check.phone;
  if (check.usedCode) MakeNewCode();
  if (check.verdict == PhoneVerdict::Input) {
    if (inputs_.size() < static_cast<size_t>(kPhoneInputsPerSecond)) inputs_.push_back(check.input);
  }
  if (!wasPaired) {
    socket->sendTextMessage(QString::fromLatin1(kPairedMessage));
    if (!answerKey_.empty()) socket->sendTextMessage(QString::fromStdString(answerKey_));
  }
}

}  // namespace lenvari
