#include "gui/ui/fonts.h"

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
}

namespace {
QFont font(const char16_t* family, int pixels) {
    QFont f(QString::fromUtf16(family));
    f.setPixelSize(pixels);
    f.setHintingPreference(QFont::PreferNoHinting); // keep widths true to the metrics
    return f;
}
} // namespace

QFont windowFont() {
    return font(u"MS Sans Serif", 11);
}
QFont questionFont() {
    return font(u"Arial", 16);
}

QFont courierFont(int pixels, bool bold) {
    QFont f = font(u"Liberation Mono", pixels);
    f.setStyleHint(QFont::TypeWriter);
    f.setBold(bold);
    return f;
}
