// libFuzzer: the settings-file reader on any bytes; what it reads must write over those bytes and read back
// the same.
#include "settingscodec.h"
#include "textcodec.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Positions that are not numbers never compare equal; the program applies them as 0 anyway.
bool samePositions(const SettingsRecord& a, const SettingsRecord& b) {
    const auto same = [](float x, float y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    return same(a.viewer.left, b.viewer.left) && same(a.viewer.top, b.viewer.top) &&
           same(a.main.left, b.main.left) && same(a.main.top, b.main.top);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    SettingsRecord read = decodeSettings(file);
    // A text longer than a record holds is written empty, by design: a text read as Windows-1252 can grow
    // to twice its bytes in UTF-8.
    const auto fitted = [](QString& text) {
        if (encodeText(text).size() > kMaxSettingsTextBytes) text.clear();
    };
    fitted(read.currentListFile);
    for (Format& format : read.formats) fitted(format.extension);
    const SettingsRecord again = decodeSettings(encodeSettings(read, file));
    SettingsRecord readRest = read;
    SettingsRecord againRest = again;
    readRest.viewer = againRest.viewer = readRest.main = againRest.main = {};
    if (!samePositions(read, again) || !(readRest == againRest)) std::abort();
    return 0;
}
