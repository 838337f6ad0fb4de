#include "inspector/panel/InspectorFontList.h"

#include "profile/services/HexColor.h"
#include "profile/services/WebFonts.h"

#include <QCollator>
#include <QComboBox>
#include <QSet>

#include <algorithm>

namespace {

const QStringList kStandardFonts = {QStringLiteral("Arial"), QStringLiteral("Helvetica")};
constexpr int kItemPointSize = 15;
constexpr QLatin1StringView kWebFontColor{"FF8C00"};

void sortCaseInsensitive(QStringList& names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
}

} // namespace

QList<CustomFont> inspectorFontList(bool hideStandardFonts, const QStringList& installedFamilies)
{
    // Both lists sort into the same order, which pairs each display name with its source name again.
    QStringList displayNames;
    QStringList sourceNames;
    for (const CustomFont& font : DataCentre::webFonts()) {
        displayNames << font.fontName();
        sourceNames << font.sourceCodeName();
    }
    sortCaseInsensitive(displayNames);
    sortCaseInsensitive(sourceNames);
    displayNames += kStandardFonts;
    sourceNames += kStandardFonts;

    QList<CustomFont> fonts;
    if (!hideStandardFonts) {
        for (qsizetype i = 0; i < displayNames.size(); ++i) {
            CustomFont font;
            font.setFontName(displayNames.at(i));
            font.setSourceCodeName(sourceNames.at(i));
            font.setIsCustomFont(true);
            fonts.append(font);
        }
    }
    const QSet<QString> listedAbove(displayNames.cbegin(), displayNames.cend());
    for (const QString& family : installedFamilies) {
        if (listedAbove.contains(family))
            continue;
        CustomFont font;
        font.setFontName(family);
        font.setSourceCodeName(family);
        fonts.append(font);
    }
    return fonts;
}

void fillFontPopup(QComboBox& popup, const QList<CustomFont>& fonts, bool fontMenuPreview)
{
    popup.clear();
    const QColor webFontColor = DataCentre::colorWithHexString(QString(kWebFontColor));
    for (const CustomFont& font : fonts) {
        popup.addItem(font.fontName());
        if (!font.isCustomFont() && !fontMenuPreview)
            continue;
        const int item = popup.count() - 1;
        QFont face(font.fontName());
        face.setPointSize(kItemPointSize);
        popup.setItemData(item, face, Qt::FontRole);
        if (font.isCustomFont())
            popup.setItemData(item, webFontColor, Qt::ForegroundRole);
    }
}
