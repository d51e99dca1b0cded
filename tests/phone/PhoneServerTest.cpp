#include <gtest/gtest.h>

#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

#include "phone/MessageAuth.h"
#include "phone/PairingQrCode.h"
#include "phone/PhoneMessage.h"
#include "phone/PhonePage.h"
#include "phone/PhoneServer.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

const std::string kPhone = "0123456789abcdef0123456789abcdef";

std::string HttpGet(int port, const std::string& request) {
  QTcpSocket socket;
  socket.connectToHost("127.0.0.1", static_cast<quint16>(port));
  if (!socket.waitForConnected(5000)) return "";
  socket.write(request.data(), static_cast<qint64>(request.size()));
  QByteArray answer;
  (void)QTest::qWaitFor([&] {
    answer += socket.readAll();
    return socket.state() == QAbstractSocket::UnconnectedState;
  }, 5000);
  return (answer + socket.readAll()).toStdString();
}

// A WebSocket client that keeps what the server sends.
struct Client {
  QWebSocket socket;
  QStringList received;
  explicit Client(int port) {
    QObject::connect(&socket, &QWebSocket::textMessageReceived,
                     [this](const QString& text) { received << text; });
    socket.open(QUrl(QString("ws://127.0.0.1:%1/ws").arg(port)));
    (void)QTest::qWaitFor(
        [this] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000);
  }
  bool Receives(const QString& text) {
    return QTest::qWaitFor([&] { return received.contains(text); }, 5000);
  }
};

std::string CodeOf(const std::string& address) {
  std::string code;
  BytesOfHex(address.substr(address.find('#') + 1), code);
  return code;
}

// A server started on a free port, and the addresses with pairing codes it has shown.
struct PhoneServerTest : ::testing::Test {
  std::vector<std::string> addresses;
  PhoneServer server{[this](const std::string& address) { addresses.push_back(address); }};
  void SetUp() override { ASSERT_TRUE(server.Start(0)); }
  bool Refused(int count) {
    return QTest::qWaitFor([&] { return server.RefusedMessages() == count; }, 5000);
  }
};

TEST_F(PhoneServerTest, ServesThePageAndNothingElse) {
  const int port = server.Port();
  ASSERT_GT(port, 0);
  ASSERT_EQ(addresses.size(), 1u);
  EXPECT_EQ(addresses[0].rfind("http://", 0), 0u);
  EXPECT_NE(addresses[0].find(":" + std::to_string(port) + "/#"), std::string::npos);
  EXPECT_EQ(CodeOf(addresses[0]).size(), 16u);

  const std::string page = HttpGet(port, "GET / HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_EQ(page.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
  EXPECT_NE(page.find("id=\"answer-key\""), std::string::npos);
  EXPECT_NE(page.find("data-input=\"+\""), std::string::npos);
  EXPECT_EQ(Tie(HttpGet(port, "GET /remote.js HTTP/1.1\r\n\r\n").substr(0, 12),
                HttpGet(port, "GET /../lvconfig.cfg HTTP/1.1\r\n\r\n").substr(0, 12),
                HttpGet(port, "POST / HTTP/1.1\r\n\r\n").substr(0, 12),
                HttpGet(port, "nonsense\r\n\r\n").substr(0, 12),
                HttpGet(port, std::string(9000, 'G')).substr(0, 12)),
            Tie("HTTP/1.1 200", "HTTP/1.1 404", "HTTP/1.1 405", "HTTP/1.1 400", "HTTP/1.1 400"));
  EXPECT_GT(PhonePageSize(), 5000u);

  // Off: no socket is open.
  server.Stop();
  EXPECT_FALSE(server.Listening());
  QTcpSocket probe;
  probe.connectToHost("127.0.0.1", static_cast<quint16>(port));
  EXPECT_FALSE(probe.waitForConnected(1000));
}

TEST_F(PhoneServerTest, TakesOnlyAuthenticInputsAndCountsTheRest) {
  const std::string code = CodeOf(addresses.back());
  const QString key = "{\"t\":\"key\",\"rows\":[\"E\"]}";
  server.PublishAnswerKey(key.toStdString());

  Client stranger(server.Port());
  stranger.socket.sendTextMessage(
      QString::fromStdString(SignPhoneMessage(std::string(16, 'x'), kPhone, 1, "+")));
  EXPECT_TRUE(stranger.Receives("{\"t\":\"refused\"}"));
  EXPECT_FALSE(server.PhoneConnected());
  stranger.socket.sendTextMessage(QString(2000, 'a'));  // over 1 KiB
  stranger.socket.sendBinaryMessage("+");
  EXPECT_TRUE(Refused(3));
  EXPECT_FALSE(stranger.received.contains(key));

  Client phone(server.Port());
  phone.socket.sendTextMessage(QString::fromStdString(SignPhoneMessage(code, kPhone, 5, "")));
  EXPECT_TRUE(phone.Receives("{\"t\":\"paired\"}") && phone.Receives(key));
  EXPECT_TRUE(server.PhoneConnected());
  ASSERT_EQ(addresses.size(), 2u);  // the code is used up: a new one is made
  const QString plus = QString::fromStdString(SignPhoneMessage(code, kPhone, 6, "+"));
  phone.socket.sendTextMessage(plus);
  phone.socket.sendTextMessage(plus);  // replayed
  EXPECT_TRUE(Refused(4));
  EXPECT_EQ(server.TakeInput(), "+");
  EXPECT_EQ(server.TakeInput(), "");
  server.PublishAnswerKey("{\"t\":\"key\",\"rows\":[\"F P\"]}");
  EXPECT_TRUE(phone.Receives("{\"t\":\"key\",\"rows\":[\"F P\"]}"));

  // Unpaired from the control window: the phone's connection closes and its code is dead.
  server.Unpair();
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return phone.socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
  EXPECT_EQ(addresses.size(), 3u);
  Client again(server.Port());
  again.socket.sendTextMessage(QString::fromStdString(SignPhoneMessage(code, kPhone, 7, "-")));
  EXPECT_TRUE(again.Receives("{\"t\":\"refused\"}"));
  EXPECT_EQ(server.TakeInput(), "");
}

TEST(PhoneServer, QrCodeHoldsTheAddressWithItsFinderPatterns) {
  const std::string address = "http://192.168.1.20:8765/#00112233445566778899aabbccddeeff";
  const QrModules modules = QrModulesOf(address);
  ASSERT_GE(modules.size, 29);  // version 3 or more holds 58 bytes
  // The three finder squares: dark outer ring, light ring, dark centre.
  for (auto [x0, y0] : {std::pair{0, 0}, std::pair{modules.size - 7, 0},
                        std::pair{0, modules.size - 7}}) {
    EXPECT_EQ(Tie(modules.Dark(x0, y0), modules.Dark(x0 + 6, y0 + 6), modules.Dark(x0 + 1, y0 + 1),
                  modules.Dark(x0 + 3, y0 + 3)),
              Tie(true, true, false, true));
  }
  EXPECT_NE(QrModulesOf(address + "0").dark, modules.dark);
  const QImage image = QrImage(modules, 4);
  // The quiet zone, then the finder's corner.
  EXPECT_EQ(Tie(image.width(), image.pixel(0, 0), image.pixel(16, 16)),
            Tie((modules.size + 8) * 4, 0xFFFFFFFFu, 0xFF000000u));
}

}  // namespace
}  // namespace lenvari
