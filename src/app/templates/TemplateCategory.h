#pragma once

#include <QList>
#include <QString>

// One category of page templates: the folder holding its templates inside the product's template folder
// and the title of its button. The folder name "all" has no folder and stands for every category.
struct TemplateCategory {
    QString categoryFolderName;
    QString categoryDescription;

    bool operator==(const TemplateCategory&) const = default;
};

// The product's categories in button order, and the category shown first.
struct TemplateCategoryList {
    QList<TemplateCategory> categories;
    QString categoryFolder;
};

namespace TemplateCategories {

inline const QString kAllFolder = QStringLiteral("all");

// The categories of the product with this display name (compared exactly); "  All" and "  Blank" for a
// product without a list of its own.
TemplateCategoryList forProduct(const QString& displayName);

} // namespace TemplateCategories
