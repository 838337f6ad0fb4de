#include "profile/services/WebFonts.h"

#include "platform/Bundle.h"
#include "platform/FontFolders.h"

#include <QDir>
#include <QFontDatabase>

namespace DataCentre {

namespace {

struct WebFontName {
    const char* displayName;
    const char* cssName; // as requested from the web-font service: blanks as "+", some with a weight
};

// Kept as pairs in display-name order, so the two names can never be mismatched by sorting.
constexpr WebFontName kWebFonts[] = {
    {"Actor", "Actor"},
    {"Alef", "Alef"},
    {"Amatic SC", "Amatic+SC"},
    {"Anton", "Anton"},
    {"Arimo", "Arimo"},
    {"Arvo", "Arvo"},
    {"Bangers", "Bangers"},
    {"Berkshire Swash", "Berkshire+Swash"},
    {"Bitter", "Bitter"},
    {"Cabin", "Cabin"},
    {"Candal", "Candal"},
    {"Codystar", "Codystar"},
    {"Dancing Script", "Dancing+Script"},
    {"Ewert", "Ewert"},
    {"Goudy Bookletter 1911", "Goudy+Bookletter+1911"},
    {"Great Vibes", "Great+Vibes"},
    {"Indie Flower", "Indie+Flower"},
    {"Josefin Sans", "Josefin+Sans"},
    {"Josefin Slab", "Josefin+Slab"},
    {"Lato", "Lato:300"},
    {"Lobster Two", "Lobster Two"},
    {"Lora", "Lora"},
    {"Mate SC", "Mate+SC"},
    {"Monoton", "Monoton"},
    {"Montserrat", "Montserrat"},
    {"Noto Sans", "Noto+Sans"},
    {"Old Standard TT", "Old+Standard+TT"},
    {"Orbitron", "Orbitron"},
    {"Oswald", "Oswald"},
    {"Oxygen", "Oxygen"},
    {"Pacifico", "Pacifico"},
    {"Passion", "Passion+One"},
    {"Paytone One", "Paytone+One"},
    {"Poiret One", "Poiret+One"},
    {"PT Mono", "PT+Mono"},
    {"PT Sans", "PT+Sans"},
    {"Quicksand", "Quicksand"},
    {"Qwigley", "Qwigley"},
    {"Raleway", "Raleway:100"},
    {"Roboto", "Roboto:300"},
    {"Sail", "Sail"},
    {"Shadows Into Light", "Shadows+Into+Light"},
    {"Source Sans Pro", "Source+Sans+Pro:300"},
    {"Titan One", "Titan+One"},
    {"Titillium Web", "Titillium+Web"},
    {"Tulpen One", "Tulpen+One"},
    {"Ubuntu Mono", "Ubuntu+Mono"},
    {"Vast Shadow", "Vast+Shadow"},
    {"Vollkorn", "Vollkorn"},
};

} // namespace

QList<std::shared_ptr<CustomFont>>& webFontList()
{
    static QList<std::shared_ptr<CustomFont>> list;
    return list;
}

int loadCustomFont()
{
    const QString folder = Bundle::main().pathForResource(QStringLiteral("fonts"));
    if (folder.isNull())
        return 0;
    if (FontFolders::wasAdded(folder))
        return int(FontFolders::familiesAddedFrom(folder).size());
    QSet<QString> families;
    const QDir dir(folder);
    for (const QString& file : dir.entryList({"*.ttf", "*.otf", "*.ttc"}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        if (id >= 0) {
            for (const QString& family : QFontDatabase::applicationFontFamilies(id))
                families.insert(family);
        }
    }
    return int(families.size());
}

void loadCustomFontBeforeLaunch()
{
    FontFolders::addBeforeLaunch(QDir(Bundle::defaultResourcesPath()).filePath(QStringLiteral("fonts")));
}

QList<CustomFont> webFonts()
{
    QList<CustomFont> fonts;
    fonts.reserve(std::size(kWebFonts));
    for (const WebFontName& name : kWebFonts) {
        CustomFont font;
        font.setFontName(QString::fromLatin1(name.displayName));
        font.setSourceCodeName(QString::fromLatin1(name.cssName));
        fonts.append(font);
    }
    return fonts;
}

void prepCustomFont()
{
    QList<std::shared_ptr<CustomFont>> fonts;
    for (const CustomFont& font : webFonts())
        fonts.append(std::make_shared<CustomFont>(font));
    webFontList() = fonts;
}

} // namespace DataCentre
