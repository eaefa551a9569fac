#pragma once
// The letter encoding of account values in settings files: every byte is written as two
// letters "a" to "p", the first for its high and the second for its low four bits.
//
// A character is taken as its bytes in the installation's code page, as the files made on
// Windows installations hold them: plain ASCII values give the same letters either way, and a
// Chinese user name survives the round trip instead of losing the high byte of each character.

#include <string>
#include <string_view>

std::wstring EncodeLetters(std::wstring_view strPlain);
// False (and "") for text that is not a letter encoding: an odd count, or a letter outside
// "a" to "p".
bool TryDecodeLetters(std::wstring_view strEncoded, std::wstring& strPlain);
// A value that is not a letter encoding was written by hand: it is used as it stands.
std::wstring DecodeLetters(std::wstring_view strEncoded);
