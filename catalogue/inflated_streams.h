#pragma once
// The browser edition's inflation: the page inflates each embedded zlib stream
// with the browser's own decompressor before the catalogue is loaded, and
// hands the bytes in here; inflateBuffer then answers from this table. Owns
// the table; knows nothing of how the page inflates.

#include <cstddef>
#include <vector>

namespace velkora {

// Records the inflated bytes of the zlib stream that starts at compressed
// (one of the embedded resources' bytes); a later call for the same stream
// replaces them.
void provideInflated(const unsigned char* compressed, std::vector<unsigned char> inflated);

}  // namespace velkora
