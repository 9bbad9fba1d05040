#include "pointstest/testText.h"

#include "pointstest/testLayout.h"
#include "ui/fonts.h"
#include "ui/staticText.h"

StaticText* newTestText(QWidget* parent) {
    auto* text = new StaticText(parent);
    text->setLineHeight(testlayout::kLineHeight);
    return text;
}

QFont testTextFont() {
    QFont font = windowFont(); // the same face, larger
    font.setPixelSize(13);
    return font;
}
