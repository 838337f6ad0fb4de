#include "profile/configurations/ConfigurationTable.h"

#include "platform/Bundle.h"

#include <QPainter>
#include <QSvgRenderer>

#include <type_traits>

namespace Configurations {

namespace {
constexpr int kLogoSize = 512;
}

ProfileCell ProfileCell::image(const char* resourceName)
{
    ProfileCell cell;
    cell.kind = Image;
    cell.text = resourceName;
    return cell;
}

ProfileCell ProfileCell::run(StepFunction function)
{
    ProfileCell cell;
    cell.kind = Step;
    cell.step = function;
    return cell;
}

QImage productImageNamed(const QString& resourceName)
{
    // The product logos are drawings: they are rendered at the largest size a window shows them.
    const QString drawing = Bundle::main().pathForResource(resourceName, QStringLiteral("svg"), QStringLiteral("icons"));
    if (!drawing.isNull()) {
        QSvgRenderer renderer(drawing);
        if (renderer.isValid()) {
            QImage image(kLogoSize, kLogoSize, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            return image;
        }
    }
    for (const char* type : {"png", "icns", "jpg", "tiff"}) {
        const QString path = Bundle::main().pathForResource(resourceName, QString::fromLatin1(type));
        if (!path.isNull())
            return QImage(path);
    }
    return {};
}

namespace {

template <typename T> bool assignValue(T& field, const ProfileCell& cell, const ProductProfile& profile)
{
    using Kind = ProfileCell::Kind;
    if constexpr (std::is_same_v<T, bool>) {
        if (cell.kind != Kind::Integer || (cell.integer != 0 && cell.integer != 1))
            return false;
        field = cell.integer == 1;
        return true;
    } else if constexpr (std::is_same_v<T, int>) {
        if (cell.kind != Kind::Integer)
            return false;
        field = int(cell.integer);
        return true;
    } else if constexpr (std::is_same_v<T, float>) {
        if (cell.kind != Kind::Real && cell.kind != Kind::Integer)
            return false;
        field = cell.kind == Kind::Real ? float(cell.real) : float(cell.integer);
        return true;
    } else if constexpr (std::is_same_v<T, QString>) {
        if (cell.kind != Kind::Text)
            return false;
        field = QString::fromUtf8(cell.text);
        return true;
    } else if constexpr (std::is_same_v<T, QStringList>) {
        if (cell.kind != Kind::List)
            return false;
        field = cell.list(profile);
        return true;
    } else if constexpr (std::is_same_v<T, QImage>) {
        if (cell.kind != Kind::Image)
            return false;
        field = productImageNamed(QString::fromUtf8(cell.text));
        return true;
    } else {
        return false; // object lists and entries are filled by steps
    }
}

} // namespace

bool assignProfileField(ProductProfile& profile, const QString& field, const ProfileCell& cell)
{
    if (cell.kind == ProfileCell::Unset)
        return true;
    if (cell.kind == ProfileCell::Step) {
        cell.step(profile);
        return true;
    }
#define VELK_ASSIGN_PROFILE_FIELD(type, name)                                                                \
    if (field == QLatin1String(#name))                                                                       \
        return assignValue(profile.name, cell, profile);
    VELK_PROFILE_FIELDS(VELK_ASSIGN_PROFILE_FIELD)
    VELK_PROFILE_RUNTIME_FIELDS(VELK_ASSIGN_PROFILE_FIELD)
    VELK_PROFILE_PRODUCT_TRAITS(VELK_ASSIGN_PROFILE_FIELD)
#undef VELK_ASSIGN_PROFILE_FIELD
    return false;
}

bool ConfigurationTable::apply(const QString& displayName, ProductProfile& profile) const
{
    const qsizetype column = displayNames.indexOf(displayName);
    if (column < 0)
        return false;
    for (const ConfigurationRow& row : rows) {
        if (column < qsizetype(row.cells.size()))
            assignProfileField(profile, row.field, row.cells[size_t(column)]);
    }
    return true;
}

} // namespace Configurations
