#include "data/touches.h"

#include <array>

namespace palmora {

std::optional<std::string> toucheChiffre(std::string_view caractere) {
    if (caractere.size() == 1 && caractere[0] >= '0' && caractere[0] <= '9')
        return std::string(caractere);
    static constexpr std::array<std::string_view, 10> kRangeeDuHaut = {"à", "&", "é", "\"", "'",
                                                                       "(", "-", "è", "_",  "ç"};
    for (std::size_t chiffre = 0; chiffre < kRangeeDuHaut.size(); ++chiffre)
        if (caractere == kRangeeDuHaut[chiffre])
            return std::string(1, static_cast<char>('0' + chiffre));
    return std::nullopt;
}

} // namespace palmora
