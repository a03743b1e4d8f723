#pragma once

#include <string>
#include <string_view>

namespace palmora {

// File contents are Windows-1252, one byte per character; the program works in UTF-8.
// Decoding never fails: the five bytes Windows-1252 leaves undefined decode to the C1
// control of the same value, so that any record survives a decode/encode round trip.
std::string depuisCp1252(std::string_view octets);

// Characters Windows-1252 cannot hold are reduced to their base letter (ł gives l),
// otherwise to "?". Malformed UTF-8 gives "?" per bad byte.
std::string versCp1252(std::string_view utf8);

// A text file of unknown encoding, as spreadsheets save it: UTF-8 (its byte order mark
// dropped) when its bytes are valid UTF-8, otherwise Windows-1252. Gives UTF-8.
std::string decoderTexte(std::string_view octets);

} // namespace palmora
