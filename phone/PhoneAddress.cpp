#include "phone/PhoneAddress.h"

#include <QNetworkInterface>

#include "phone/MessageAuth.h"

namespace lenvari {
namespace {

// 10/8, 172.16/12 and 192.168/16: the ranges a room's own network uses.
bool IsPrivateRange(const QHostAddress& ip) {
  const quint32 v4 = ip.toIPv4Address();
  return (v4 >> 24) == 10 || (v4 >> 20) == 0xAC1 || (v4 >> 16) == 0xC0A8;
}

}  // namespace

std::string LocalNetworkAddress() {
  std::string other;
  for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
    const auto flags = face.flags();
    if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
        (flags & QNetworkInterface::IsLoopBack))
      continue;
    for (const QNetworkAddressEntry& entry : face.addressEntries()) {
      const QHostAddress ip = entry.ip();
      if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLoopback()) continue;
      if (IsPrivateRange(ip)) return ip.toString().toStdString();
      if (other.empty() && !ip.isLinkLocal()) other = ip.toString().toStdString();
    }
  }
  return other.empty() ? "127.0.0.1" : other;
}

std::string PairingAddress(const std::string& address, int port, const std::string& code) {
  return "http://" + address + ":" + std::to_string(port) + "/#" + HexOf(code);
}

}  // namespace lenvari
