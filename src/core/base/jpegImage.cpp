#include "core/base/jpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

namespace {

// libjpeg's default error handler calls exit(); ours jumps back to the caller
// with the library's message instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// What went wrong, in Czech, with libjpeg's own words as a detail.
QString failure(const QString& path, const ErrorManager& mgr) {
    const QString detail = QString::fromLocal8Bit(mgr.message);
    QString what;
    switch (mgr.base.msg_code) {
    case JERR_NO_SOI:
        what = QStringLiteral("Soubor %1 není obrázek JPEG.");
        break;
    case JERR_OUT_OF_MEMORY:
    case JERR_IMAGE_TOO_BIG:
        what = QStringLiteral("Obrázek %1 je příliš velký.");
        break;
    default:
        what = QStringLiteral("Obrázek %1 je poškozen.");
    }
    return what.arg(path) + QStringLiteral("\nPodrobnosti: ") + detail;
}

void onError(j_common_ptr info) {
    auto* mgr = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, mgr->message);
    std::longjmp(mgr->jump, 1);
}

void onMessage(j_common_ptr, int) {} // warnings of damaged but readable data stay silent

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

struct FileCloser {
    FILE* f;
    ~FileCloser() {
        if (f)
            std::fclose(f);
    }
};

} // namespace

namespace jpeg {

namespace {
constexpr long kMaxMemory = 64L << 20;
} // namespace

QImage load(const QString& path, QString* error) {
    FileCloser file{std::fopen(QFile::encodeName(path).constData(), "rb")};
    if (!file.f) {
        setError(error, QStringLiteral("Soubor %1 nelze otevřít.").arg(path));
        return {};
    }
    jpeg_decompress_struct info{};
    ErrorManager mgr{};
    info.err = jpeg_std_error(&mgr.base);
    mgr.base.error_exit = onError;
    mgr.base.emit_message = onMessage;
    QImage image; // constructed before setjmp so a jump never skips its lifetime
    if (setjmp(mgr.jump)) {
        jpeg_destroy_decompress(&info);
        setError(error, failure(path, mgr));
        return {};
    }
    jpeg_create_decompress(&info);
    // Progressive files keep coefficients for the whole picture; a bounded
    // size keeps that bounded too.
    info.mem->max_memory_to_use = kMaxMemory;
    jpeg_stdio_src(&info, file.f);
    jpeg_read_header(&info, TRUE);
    // The header's size is only a claim: refuse a hostile one before
    // anything is allocated for it.
    if (info.image_width > kMaxSide || info.image_height > kMaxSide) {
        setError(error,
                 QStringLiteral("Obrázek %1 je příliš velký (%2 × %3 bodů, nejvýše %4 × %4).")
                     .arg(path)
                     .arg(info.image_width)
                     .arg(info.image_height)
                     .arg(kMaxSide));
        jpeg_destroy_decompress(&info);
        return {};
    }
    info.out_color_space = JCS_RGB; // grey and CMYK-free files alike come out as RGB
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        setError(error, QStringLiteral("Pro obrázek %1 nezbývá paměť.").arg(path));
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

bool save(const QImage& source, const QString& path, int quality, QString* error) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FileCloser file{std::fopen(QFile::encodeName(path).constData(), "wb")};
    if (!file.f) {
        setError(error, QStringLiteral("Soubor %1 nelze vytvořit.").arg(path));
        return false;
    }
    jpeg_compress_struct info{};
    ErrorManager mgr{};
    info.err = jpeg_std_error(&mgr.base);
    mgr.base.error_exit = onError;
    if (setjmp(mgr.jump)) {
        jpeg_destroy_compress(&info);
        setError(error, QString::fromLocal8Bit(mgr.message));
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.f);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution chroma keeps thin red sign borders and small text crisp.
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace jpeg
