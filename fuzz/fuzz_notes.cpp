// The mark and deduction boxes, typed into key by key: whatever the keys, a box left holds a
// value of its fixed width made of what the box takes, or is refused.
#include "outils_fuzz.h"

#include "scoring/boites_notes.h"

#include <cstdlib>

using namespace palmora;
using namespace palmora::fuzz;

namespace {

// A key of the input: plain ASCII, or one of the French keyboard's top row.
std::string touche(std::uint8_t octet) {
    static constexpr std::string_view kRangee[] = {"&", "é", "\"", "'", "(",
                                                   "-", "è", "_",  "ç", "à"};
    if (octet < 0x80) return std::string(1, static_cast<char>(octet));
    return std::string(kRangee[octet % std::size(kRangee)]);
}

// What the box holds after these keys, each one filtered as the box filters it.
template <typename Filtre>
std::string taper(const std::uint8_t* data, std::size_t size, Filtre filtre) {
    std::string texte;
    for (std::size_t k = 0; k < size; ++k)
        if (const auto c = filtre(touche(data[k]))) texte += *c;
    return texte;
}

bool chiffreOuVirgule(char c) {
    return (c >= '0' && c <= '9') || c == ',';
}

void verifier(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string note = normaliserNote(taper(data, size, toucheNote));
    verifier(note.empty() || note.size() == 4);
    for (char c : note)
        verifier(chiffreOuVirgule(c));

    const std::string tape = taper(data, size, toucheDeduction);
    if (const auto deduction = normaliserDeduction(tape)) {
        verifier(deduction->size() == 5);
        verifier(deduction->front() == ' ' || deduction->front() == '-');
        for (char c : deduction->substr(1))
            verifier(chiffreOuVirgule(c));
        verifier(deduction->substr(1) <= "3,00");
    }
    return 0;
}
