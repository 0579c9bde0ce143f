#include "window/StyleTag.h"

#include <QCoreApplication>

namespace tarnveil {

const std::array<StyleTag, styleTagCount>& allStyleTags()
{
    static constexpr std::array<StyleTag, styleTagCount> tags = {StyleTag::solid, StyleTag::labeled, StyleTag::blur,
                                                                 StyleTag::pixelate};
    return tags;
}

QString title(StyleTag tag)
{
    switch (tag) {
    case StyleTag::solid:
        return QCoreApplication::translate("InspectorView", "Solid");
    case StyleTag::labeled:
        return QCoreApplication::translate("InspectorView", "Labeled");
    case StyleTag::blur:
        return QCoreApplication::translate("InspectorView", "Blur");
    case StyleTag::pixelate:
        break;
    }
    return QCoreApplication::translate("InspectorView", "Pixelate");
}

StyleTag styleTagOf(const RedactionStyle& style)
{
    switch (style.kind()) {
    case RedactionStyle::Kind::solid:
        return StyleTag::solid;
    case RedactionStyle::Kind::labeled:
        return StyleTag::labeled;
    case RedactionStyle::Kind::blur:
        return StyleTag::blur;
    case RedactionStyle::Kind::pixelate:
        break;
    }
    return StyleTag::pixelate;
}

RedactionStyle styleFor(StyleTag tag, const RedactionStyle& current)
{
    const FillColor fill = current.fill().value_or(FillColor::black);
    switch (tag) {
    case StyleTag::solid:
        return RedactionStyle::solid(fill);
    case StyleTag::labeled:
        return RedactionStyle::labeled(fill);
    case StyleTag::blur:
        return RedactionStyle::blur();
    case StyleTag::pixelate:
        break;
    }
    return RedactionStyle::pixelate();
}

} // namespace tarnveil
