#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

template <typename T> bool isZero(const T& value)
{
    if constexpr (std::is_arithmetic_v<T>)
        return value == T{};
    else if constexpr (std::is_same_v<T, QString>)
        return value.isNull();
    else if constexpr (std::is_same_v<T, QImage>)
        return value.isNull();
    else if constexpr (std::is_same_v<T, std::shared_ptr<LabelTemplateHelper>>)
        return value == nullptr;
    else
        return value.isEmpty();
}

TEST(ProductProfileTest, EveryFieldOfAFreshProfileIsZero)
{
    const ProductProfile fresh;
    int count = 0;
    QStringList nonZero;
    fresh.forEachField([&](const char* name, const auto& value) {
        ++count;
        if (!isZero(value))
            nonZero << name;
    });
    const auto noteNonZero = [&](const char* name, const auto& value) {
        if (!isZero(value))
            nonZero << name;
    };
    fresh.forEachRuntimeField(noteNonZero);
    fresh.forEachProductTrait(noteNonZero);
    EXPECT_EQ(count, 134);
    EXPECT_TRUE(nonZero.isEmpty()) << nonZero.join(", ").toStdString();
}

TEST(ProductProfileTest, ResetPutsRewrittenFieldsBack)
{
    auto& profile = DataCentre::mutableProfile();
    profile.canvasWidth = 900;
    profile.canvasScale = 0.5f;
    profile.selectedPrintSheet = QStringLiteral("Label - 30 Per Letter Sheet");
    profile.defaultLabelTemplate = std::make_shared<LabelTemplateHelper>();
    profile.starterPages = {"blank/Blank.velkpage"};
    DataCentre::resetProfile();
    EXPECT_EQ(profile.canvasWidth, 0);
    EXPECT_EQ(profile.canvasScale, 0.0f);
    EXPECT_TRUE(profile.selectedPrintSheet.isNull());
    EXPECT_EQ(profile.defaultLabelTemplate, nullptr);
    EXPECT_TRUE(profile.starterPages.isEmpty());
}

} // namespace
