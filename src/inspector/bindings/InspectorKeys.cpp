#include "inspector/bindings/InspectorKeys.h"

#include "model/GraphicPropertyTable.h"
#include "model/SKTGraphic.h"

#include <QHash>

#include <type_traits>

namespace {

using G = SKTGraphic;

template <class T, class V> InspectorKey key(const char* name, T (G::*getter)() const, void (G::*setter)(V))
{
    const GraphicProperty row = PropertyRows::value(name, getter, setter);
    return {row.key, QMetaType::fromType<std::decay_t<T>>(), row.get, row.set};
}

QHash<QString, InspectorKey> makeKeys()
{
    const InspectorKey keys[] = {
        key("initialLaunchStateFlag", &G::initialLaunchStateFlag, &G::setInitialLaunchStateFlag),
        key("xPosition", &G::xPosition, &G::setXPosition),
        key("yPosition", &G::yPosition, &G::setYPosition),
        key("width", &G::width, &G::setWidth),
        key("height", &G::height, &G::setHeight),
        key("sectionIDString", &G::sectionIDString, &G::setSectionIDString),
        key("onClickHideString", &G::onClickHideString, &G::setOnClickHideString),
        key("onClickShowString", &G::onClickShowString, &G::setOnClickShowString),
        key("topPadding", &G::topPadding, &G::setTopPadding),
        key("bottomPadding", &G::bottomPadding, &G::setBottomPadding),
        key("leftPadding", &G::leftPadding, &G::setLeftPadding),
        key("rightPadding", &G::rightPadding, &G::setRightPadding),
        key("topMargin", &G::topMargin, &G::setTopMargin),
        key("bottomMargin", &G::bottomMargin, &G::setBottomMargin),
        key("leftMargin", &G::leftMargin, &G::setLeftMargin),
        key("rightMargin", &G::rightMargin, &G::setRightMargin),
        key("topPaddingType", &G::topPaddingType, &G::setTopPaddingType),
        key("bottomPaddingType", &G::bottomPaddingType, &G::setBottomPaddingType),
        key("leftPaddingType", &G::leftPaddingType, &G::setLeftPaddingType),
        key("rightPaddingType", &G::rightPaddingType, &G::setRightPaddingType),
        key("topMarginType", &G::topMarginType, &G::setTopMarginType),
        key("bottomMarginType", &G::bottomMarginType, &G::setBottomMarginType),
        key("leftMarginType", &G::leftMarginType, &G::setLeftMarginType),
        key("rightMarginType", &G::rightMarginType, &G::setRightMarginType),
        key("topPaddingLevelString", &G::topPaddingLevelString, &G::setTopPaddingLevelString),
        key("bottomPaddingLevelString", &G::bottomPaddingLevelString, &G::setBottomPaddingLevelString),
        key("leftPaddingLevelString", &G::leftPaddingLevelString, &G::setLeftPaddingLevelString),
        key("rightPaddingLevelString", &G::rightPaddingLevelString, &G::setRightPaddingLevelString),
        key("topMarginLevelString", &G::topMarginLevelString, &G::setTopMarginLevelString),
        key("bottomMarginLevelString", &G::bottomMarginLevelString, &G::setBottomMarginLevelString),
        key("leftMarginLevelString", &G::leftMarginLevelString, &G::setLeftMarginLevelString),
        key("rightMarginLevelString", &G::rightMarginLevelString, &G::setRightMarginLevelString),
        key("fontFamily", &G::fontFamily, &G::setFontFamily),
        key("fontSize", &G::fontSize, &G::setFontSize),
        key("fontAlignment", &G::fontAlignment, &G::setFontAlignment),
        key("verticalAlignment", &G::verticalAlignment, &G::setVerticalAlignment),
        key("borderStyle", &G::borderStyle, &G::setBorderStyle),
        key("borderWidth", &G::borderWidth, &G::setBorderWidth),
        key("cornerRadius", &G::cornerRadius, &G::setCornerRadius),
        key("opacity", &G::opacity, &G::setOpacity),
        key("reflection", &G::reflection, &G::setReflection),
        key("lineSpacing", &G::lineSpacing, &G::setLineSpacing),
        key("shadowFlag", &G::shadowFlag, &G::setShadowFlag),
        key("link", &G::link, &G::setLink),
        key("linkOption", &G::linkOption, &G::setLinkOption),
        key("altText", &G::altText, &G::setAltText),
        key("scrollFlag", &G::scrollFlag, &G::setScrollFlag),
        key("moveLock", &G::moveLock, &G::setMoveLock),
        key("shadowRadius", &G::shadowRadius, &G::setShadowRadius),
        key("shadowHorizontalOffset", &G::shadowHorizontalOffset, &G::setShadowHorizontalOffset),
        key("shadowVerticalOffset", &G::shadowVerticalOffset, &G::setShadowVerticalOffset),
        key("maskFlag", &G::maskFlag, &G::setMaskFlag),
        key("rotationAngle", &G::rotationAngle, &G::setRotationAngle),
        key("responsiveAlignment", &G::responsiveAlignment, &G::setResponsiveAlignment),
        key("responsiveResizeFlag", &G::responsiveResizeFlag, &G::setResponsiveResizeFlag),
    };
    QHash<QString, InspectorKey> table;
    for (const InspectorKey& k : keys)
        table.insert(k.key, k);
    return table;
}

} // namespace

const InspectorKey* inspectorKey(const QString& key)
{
    static const QHash<QString, InspectorKey> keys = makeKeys();
    const auto it = keys.constFind(key);
    return it == keys.constEnd() ? nullptr : &*it;
}
