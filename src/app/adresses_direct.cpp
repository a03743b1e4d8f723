#include "app/adresses_direct.h"

#include <algorithm>

namespace palmora {

namespace {

// Lower is offered first; negative is left out.
int rang(std::string_view ip) {
    if (ip.find(':') != std::string_view::npos)
        return ip == "::1" || ip.starts_with("fe80") ? -1 : 3;
    if (ip.starts_with("127.") || ip.starts_with("169.254.")) return -1;
    if (ip.starts_with("192.168.") || ip.starts_with("10.")) return 0;
    if (ip.starts_with("172.")) {
        const int second = std::atoi(std::string(ip.substr(4)).c_str());
        if (second >= 16 && second <= 31) return 0;
    }
    return 1;
}

} // namespace

std::vector<std::string> ordonnerAdresses(const std::vector<std::string>& adresses) {
    std::vector<std::string> gardees;
    std::copy_if(adresses.begin(), adresses.end(), std::back_inserter(gardees),
                 [](const std::string& ip) { return rang(ip) >= 0; });
    std::stable_sort(gardees.begin(), gardees.end(),
                     [](const std::string& a, const std::string& b) { return rang(a) < rang(b); });
    return gardees;
}

std::string adresseDirect(std::string_view ip, int port) {
    const std::string hote =
        ip.find(':') != std::string_view::npos ? "[" + std::string(ip) + "]" : std::string(ip);
    return "http://" + hote + ":" + std::to_string(port) + "/";
}

} // namespace palmora
