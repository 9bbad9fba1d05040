// The picture loader: any file gives either a picture or a null image with a
// message, never a fault.

#include "fuzzSupport.h"

#if __has_include("base/jpegImage.h")
#include "base/jpegImage.h"
#else
#include "base/jpegImage.h"
#endif

using namespace Qt::StringLiterals;

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
