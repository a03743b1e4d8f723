#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace palmora {

// The machine's addresses as a phone would type them: IPv4 before IPv6, a private network's
// (192.168, 10, 172.16 to 172.31) first, link-local and loopback ones left out.
std::vector<std::string> ordonnerAdresses(const std::vector<std::string>& adresses);

// "http://192.168.1.20:8080/" ("http://[fd00::1]:8080/" for IPv6).
std::string adresseDirect(std::string_view ip, int port);

} // namespace palmora
