#include "gui/pointstest/testText.h"

#include "core/pointstest/testLayout.h"
#include "gui/ui/fonts.h"
#include "gui/ui/staticText.h"

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
