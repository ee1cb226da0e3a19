// data/number_text.hpp — reading whole numbers from text, with one set of rules for the whole
// program. Two readings: strict for texts a program wrote (picture descriptions, command-line
// arguments) and lenient for values people type into files, which often carry blanks around.
// Both refuse points, exponents, spelled-out words and values beyond 64 bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace data {

// An optional "+" or "-" directly followed by decimal digits, and nothing else; empty text, a
// lone sign, blanks anywhere or two signs are no number.
std::optional<int64_t> ParseStrictInteger(std::string_view text);
// The strict reading after bytes 0..32 (blanks, tabs, line breaks) around the number are
// dropped.
std::optional<int64_t> ParseLenientInteger(std::string_view text);
// The lenient reading, or "$" or "0x" followed by up to 32 bits of hexadecimal digits; those
// wrap into the signed 32-bit range as colour values in interface files expect ("$FFFFFFFF" is
// −1).
std::optional<int64_t> ParseLenientIntegerOrHex(std::string_view text);

// The readings above, within the 32-bit range; a value beyond it is no number.
std::optional<int32_t> ParseStrictInt32(std::string_view text);
std::optional<int32_t> ParseLenientInt32(std::string_view text);

// "\"TEXT\" is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);
// The 32-bit readings; raise data::Error with NotAnIntegerMessage for text that is no integer or
// lies beyond the 32-bit range.
int32_t StrictInt32(std::string_view text);
int32_t LenientInt32(std::string_view text);

}  // namespace data
