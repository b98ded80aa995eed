// libFuzzer: the list-file reader on any bytes; what it reads must write back to a file that reads the same.
#include "listfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto tracks = decodeListFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (tracks && decodeListFile(encodeListFile(*tracks)) != tracks) std::abort();
    return 0;
}
