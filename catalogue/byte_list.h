#pragma once
// Byte-string lists: the catalogue texts held line by line, exactly as stored
// (Windows-1252 bytes, never transcoded, never trimmed or sorted).

#include <string>
#include <vector>

namespace velkora {

// One catalogue line, byte for byte, without its line terminator.
using ByteString = std::string;

// An ordered, index-addressed sequence of lines; duplicates allowed.
using ByteList = std::vector<ByteString>;

}  // namespace velkora
