// The picture loader: any file gives either a picture or a null image with a
// message, never a fault.
//
// libjpeg is not instrumented, so coverage cannot lead the fuzzer to the
// header fields that matter most; a custom mutator rewrites the size a frame
// header claims, often with extreme values, besides the usual byte mutations.

#include "fuzzSupport.h"

#if __has_include("base/jpegImage.h")
#include "core/base/jpegImage.h"
#else
#include "core/base/jpegImage.h"
#endif

#include <random>

using namespace Qt::StringLiterals;

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

// Offset of the first start-of-frame segment (FFC0-FFCF but for FFC4 DHT,
// FFC8 JPG and FFCC DAC), or -1.
long frameHeader(const uint8_t* data, size_t size) {
    for (size_t i = 0; i + 9 <= size; ++i)
        if (data[i] == 0xFF && (data[i + 1] & 0xF0) == 0xC0 && data[i + 1] != 0xC4 &&
            data[i + 1] != 0xC8 && data[i + 1] != 0xCC)
            return long(i);
    return -1;
}

unsigned claimedSide(std::minstd_rand& random) {
    static const unsigned sides[] = {0, 1, 2047, 2048, 2049, 8192, 16000, 46341, 65500, 65535};
    return random() % 2 ? sides[random() % std::size(sides)] : random() % 65536;
}

} // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned seed) {
    std::minstd_rand random(seed);
    const long at = frameHeader(data, size);
    if (at < 0 || random() % 4 != 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    // FFCn, length (2), precision (1), height (2), width (2): big-endian.
    for (long field : {at + 5, at + 7}) {
        const unsigned side = claimedSide(random);
        data[field] = uint8_t(side >> 8);
        data[field + 1] = uint8_t(side & 0xFF);
    }
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::scratchPath(u"obrazek.jpg"_s);
    fuzz::writeFile(path, fuzz::bytes(data, size));
    QString error;
    const QImage image = jpeg::load(path, &error);
    if (image.isNull())
        fuzz::check(!error.isEmpty(), "a refused picture says why");
    else
        fuzz::check(image.width() > 0 && image.height() > 0, "a picture has a size");
    return 0;
}
