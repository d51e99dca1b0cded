#pragma once
// The phone remote's server: the page over HTTP and the page's messages over a WebSocket at
// "/ws", on one port of every interface. It runs on the thread that made it (the main thread):
// the input wait takes the phone's inputs from it, and the chart drawing gives it the answer
// key. Nothing a phone sends reaches the program but the inputs of authentic messages (see
// PhonePairing.h); every other message is dropped and counted.

#include <QObject>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "phone/PhonePairing.h"

class QTcpServer;
class QTcpSocket;
class QTimer;
class QWebSocket;
class QWebSocketServer;

namespace lenvari {

class PhoneServer : public QObject {
 public:
  // `newCode` hears the pairing address each time a new code is made.
  explicit PhoneServer(std::function<void(const std::string& address)> newCode = {});
  ~PhoneServer() override;

  // Listens on `port` (0: any free one) of every interface and makes the first code.
  bool Start(int port, std::string* reason = nullptr);
  // Closes every socket; the pairings are forgotten.
  void Stop();
  bool Listening() const;
  int Port() const;

  // The address the QR code and the console line give: LocalNetworkAddress() unless set.
  void SetAddress(const std::string& address) { address_ = address; }
  std::string PairingAddressNow() const;

  // The next input a phone sent, or "".
  std::string TakeInput();
  // The answer key of the frame just presented, sent to every paired page now and to a page
  // that pairs later.
  void PublishAnswerKey(const std::string& json);

  bool PhoneConnected() const;
  int RefusedMessages() const { return refused_; }
  // Forgets every paired phone, closes their connections and makes a new code.
  void Unpair();

 private:
  void MakeNewCode();
  void TakeConnection();
  void ReadRequest(QTcpSocket* socket);
  void TakeWebSocket();
  void ReadMessage(QWebSocket* socket, const QString& text);
  void Refuse(QWebSocket* socket);

  std::function<void(const std::string&)> newCode_;
  std::unique_ptr<QTcpServer> http_;
  std::unique_ptr<QWebSocketServer> webSockets_;
  std::unique_ptr<QTimer> expiry_;
  std::string address_;
  PhonePairings pairings_;
  // Open WebSockets, each with the phone whose authentic message it carried ("" before one).
  std::map<QWebSocket*, std::string> sockets_;
  std::deque<std::string> inputs_;
  std::string answerKey_;
  int refused_ = 0;
};

}  // namespace lenvari
