// zlib round trip for the catalogue files: compress2 at level 9 (a complete zlib stream with
// the header 0x78 0xDA) and a full inflate to check it. Throws GeneratorError on any zlib error.
#pragma once

#include <string>
#include <string_view>

namespace velkora::gen {

std::string compressBest(std::string_view text);

std::string inflateAll(std::string_view stream);

}  // namespace velkora::gen
