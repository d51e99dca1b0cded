// The phone remote: how its messages are signed and read, which of them a pairing takes, and the
// server that serves its page and takes its inputs.

#include <gtest/gtest.h>

#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

#include "phone/MessageAuth.h"
#include "phone/PairingQrCode.h"
#include "phone/PhoneMessage.h"
#include "phone/PhonePage.h"
#include "phone/PhonePairing.h"
#include "phone/PhoneServer.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

const std::string kKey(16, '\x5a');
const std::string kPhone = "0123456789abcdef0123456789abcdef";

TEST(PhoneMessage, HmacMatchesTheStandardVectorsAndComparisonLooksAtEveryByte) {
  // RFC 4231 test cases 1 and 2.
  EXPECT_EQ(HexOf(HmacSha256(std::string(20, '\x0b'), "Hi There")),
            "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
  EXPECT_EQ(HexOf(HmacSha256("Jefe", "what do ya want for nothing?")),
            "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
  std::string bytes;
  EXPECT_TRUE(BytesOfHex("00ff7f", bytes));
  EXPECT_EQ(bytes, std::string("\x00\xff\x7f", 3));
  EXPECT_EQ(Tie(BytesOfHex("0", bytes), BytesOfHex("0G", bytes)), Tie(false, false));
  EXPECT_EQ(Tie(SameBytesConstantTime("abc", "abc"), SameBytesConstantTime("abc", "abd"),
                SameBytesConstantTime("xbc", "abc"), SameBytesConstantTime("abc", "abcd"),
                SameBytesConstantTime("", "")),
            Tie(true, false, false, false, true));
}

TEST(PhoneMessage, ReadsWhatAPageSignsAndNothingElse) {
  const std::string text = SignPhoneMessage(kKey, kPhone, 1700000000123, "m12");
  const std::optional<PhoneMessage> message = ParsePhoneMessage(text);
  ASSERT_TRUE(message);
  EXPECT_EQ(Tie(message->phone, message->counter, message->input, message->greeting,
                message->signedText, message->mac),
            Tie(kPhone, 1700000000123u, "m12", false, kPhone + " 1700000000123 6d3132",
                HmacSha256(kKey, message->signedText)));
  EXPECT_TRUE(ParsePhoneMessage(SignPhoneMessage(kKey, kPhone, 5, ""))->greeting);

  const std::string mac(64, 'a');
  for (const std::string& bad :
       {std::string(""), kPhone + " 1 2b",                  // too few fields
        kPhone + " 1 2b " + mac + " x",                     // too many
        kPhone + "  1 2b " + mac,                           // two blanks
        kPhone.substr(1) + " 1 2b " + mac,                  // short name
        "0123456789ABCDEF0123456789abcdef 1 2b " + mac,     // upper case
        kPhone + " 0 2b " + mac, kPhone + " 01 2b " + mac,  // counter 0, zero lead
        kPhone + " 9007199254740992 2b " + mac,             // above 2^53 - 1
        kPhone + " 99999999999999999999 2b " + mac,         // overflows
        kPhone + " 1 2 " + mac, kPhone + " 1  " + mac,      // odd or no input
        kPhone + " 1 6d313233 " + mac,                      // four bytes
        kPhone + " 1 2b " + mac.substr(2),                  // short MAC
        kPhone + " 1 2b " + std::string(63, 'a') + "g"})
    EXPECT_FALSE(ParsePhoneMessage(bad)) << bad;
  EXPECT_TRUE(ParsePhoneMessage(kPhone + " 9007199254740991 2b " + mac));
  // Longer than 1 KiB: dropped whatever it holds.
  EXPECT_FALSE(ParsePhoneMessage(SignPhoneMessage(kKey, kPhone, 1, "+") + std::string(1024, ' ')));
}

TEST(PhoneMessage, OnlyTheRemotesInputsAreButtons) {
  for (const char* input :
       {"+", "-", "m1", "m10", "m12", "\r", " ", "\t", "!", "@", "#", "$", "'", "|", "i", "y"})
    EXPECT_TRUE(IsRemoteButtonInput(input)) << input;
  for (const char* input :
       {"", "m0", "m13", "m01", "q", "\x1b", "ControlRemoteF01", "++", "\x11", "MouseEvent", "\n"})
    EXPECT_FALSE(IsRemoteButtonInput(input)) << input;
}

const std::string kCode(16, '\x11');
const std::string kPhoneA(32, 'a'), kPhoneB(32, 'b');
using enum PhoneVerdict;

struct PhonePairingTest : ::testing::Test {
  PhonePairings pairings;
  void SetUp() override { SetWaitingCode(pairings, kCode, 0); }
  PhoneCheck Check(const std::string& code, const std::string& phone, std::uint64_t counter,
                   const std::string& input, double now = 1) {
    return CheckPhoneMessage(pairings, SignPhoneMessage(code, phone, counter, input), now);
  }
};

TEST_F(PhonePairingTest, FirstAuthenticMessageBindsTheCodeToOnePhone) {
  PhoneCheck check = Check(kCode, kPhoneA, 10, "");
  EXPECT_EQ(Tie(check.verdict, check.usedCode, pairings.waitingCode), Tie(Greeting, true, ""));
  // The bound phone goes on; a second phone with the same code is refused.
  check = Check(kCode, kPhoneA, 11, "+");
  EXPECT_EQ(Tie(check.verdict, check.input, check.usedCode), Tie(Input, "+", false));
  EXPECT_EQ(Check(kCode, kPhoneB, 12, "+").verdict, Refused);
  // The next code pairs the next phone only.
  const std::string next(16, '\x22');
  SetWaitingCode(pairings, next, 3);
  EXPECT_EQ(Check(kCode, kPhoneB, 13, "+", 3).verdict, Refused);
  EXPECT_EQ(Check(next, kPhoneB, 14, "-", 3).input, "-");
  EXPECT_EQ(Tie(pairings.bound.size(), NewPairingCode().size()), Tie(2u, 16u));
  EXPECT_NE(NewPairingCode(), NewPairingCode());
}

TEST_F(PhonePairingTest, RefusesMadeUpCodesReplaysAndAlterations) {
  EXPECT_EQ(Check(std::string(16, '\x12'), kPhoneA, 1, "").verdict, Refused);
  EXPECT_EQ(pairings.waitingCode, kCode);
  const std::string first = SignPhoneMessage(kCode, kPhoneA, 100, "+");
  EXPECT_EQ(CheckPhoneMessage(pairings, first, 1).verdict, Input);
  // The same message again, and an older counter, are replays.
  EXPECT_EQ(CheckPhoneMessage(pairings, first, 2).verdict, Refused);
  EXPECT_EQ(Check(kCode, kPhoneA, 99, "+").verdict, Refused);
  // Another input or a higher counter under the old MAC.
  for (const auto& [from, to] : {std::pair{" 2b ", " 2d "}, {" 101 ", " 102 "}}) {
    std::string altered = SignPhoneMessage(kCode, kPhoneA, 101, "+");
    altered.replace(altered.find(from), std::string(from).size(), to);
    EXPECT_EQ(CheckPhoneMessage(pairings, altered, 2).verdict, Refused) << to;
  }
  // A refused message does not use up the counter of the genuine one.
  EXPECT_EQ(Check(kCode, kPhoneA, 101, "-").verdict, Input);
  // Authentic but no button: not taken, and the counter moves on all the same.
  EXPECT_EQ(Check(kCode, kPhoneA, 102, "q").verdict, Refused);
  EXPECT_EQ(pairings.bound.front().lastCounter, 102u);
}

TEST_F(PhonePairingTest, ACodeExpiresAfterTenMinutesAndInputsAreAtMostTwentyASecond) {
  SetWaitingCode(pairings, kCode, 1000);
  EXPECT_EQ(
      Tie(WaitingCodeExpired(pairings, 1000 + 599.9), WaitingCodeExpired(pairings, 1000 + 600)),
      Tie(false, true));
  EXPECT_EQ(Check(kCode, kPhoneA, 1, "", 1600).verdict, Refused);
  EXPECT_EQ(Check(kCode, kPhoneA, 2, "", 1599).verdict, Greeting);
  // A bound phone does not expire.
  EXPECT_EQ(Check(kCode, kPhoneA, 3, "+", 90000).verdict, Input);

  std::uint64_t counter = 4;
  int taken = 0;
  for (int i = 0; i < 30; ++i)
    taken += Check(kCode, kPhoneA, counter++, "+", 100000 + i * 0.01).verdict == Input;
  EXPECT_EQ(taken, 20);
  EXPECT_EQ(Check(kCode, kPhoneA, counter++, "+", 100000.5).verdict, TooFast);
  EXPECT_EQ(Check(kCode, kPhoneA, counter++, "+", 100001.0).verdict, Input);
}

std::string HttpGet(int port, const std::string& request) {
  QTcpSocket socket;
  socket.connectToHost("127.0.0.1", static_cast<quint16>(port));
  if (!socket.waitForConnected(5000)) return "";
  socket.write(request.data(), static_cast<qint64>(request.size()));
  // The server answers on this thread: the wait runs its events. What came stays readable.
  (void)QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000);
  return socket.readAll().toStdString();
}

// A WebSocket client that keeps what the server sends.
struct Client {
  QWebSocket socket;
  QStringList received;
  explicit Client(int port) {
    QObject::connect(&socket, &QWebSocket::textMessageReceived,
                     [this](const QString& text) { received << text; });
    socket.open(QUrl(QString("ws://127.0.0.1:%1/ws").arg(port)));
    (void)QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; },
                          5000);
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
  for (auto [x0, y0] :
       {std::pair{0, 0}, std::pair{modules.size - 7, 0}, std::pair{0, modules.size - 7}}) {
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
