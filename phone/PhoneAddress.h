#pragma once
// The address a phone on the room's network reaches this machine at, and the pairing address
// built from it.

#include <string>

namespace lenvari {

// This machine's address on its local network: the first IPv4 address of an interface that is
// up and not the loopback, private ranges first; "127.0.0.1" when there is none.
std::string LocalNetworkAddress();

// "http://ADDRESS:PORT/#CODE", the code in hexadecimal. The code stands in the fragment, which
// a browser never sends over the network.
std::string PairingAddress(const std::string& address, int port, const std::string& code);

}  // namespace lenvari
