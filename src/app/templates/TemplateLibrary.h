#pragma once

#include "app/templates/TemplateCategory.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

// One template as the chooser shows it: its document's file name, its category and its preview.
struct TemplateThumbnail {
    QString fileName;
    QString categoryFolder;
    QImage image;
};

// The file work behind the template chooser, free of windows so it can run on the preparation thread:
// the product's templates are copied out of the bundle into the working folder, each template document is
// unpacked beside its copy, and the previews are read from the unpacked copies.
namespace TemplateLibrary {

// {resources}/{templateFolder} and {work}/{templateFolder}.
QString bundleTemplateFolder();
QString workingTemplateFolder();
// The bundle's template of the category: {resources}/{templateFolder}/{category}/{fileName}.
QString bundleTemplatePath(const QString& categoryFolder, const QString& fileName);
// {work}/{received}: where templates and pages are copied before they are opened.
QString receivedPagesFolder();
// Copies a file, or a folder with everything below it; a failure leaves what could be copied.
bool copyEntry(const QString& from, const QString& to);
// Whether the file name is a template document: the product's document extension or the form pages' one.
bool isTemplateDocumentName(const QString& fileName);

// Replaces the working copy of the template folder by a fresh copy of the bundle's, and unpacks every
// template document of the categories ("all" aside) next to its copy.
void refreshFileList(const QList<TemplateCategory>& categories);
// Unpacks the template document into the folder (deleted first) and answers the path of its preview: the
// first unpacked page file's "@2x.png" when there is one, else its ".png"; "" when unpacking failed.
QString migratePage(const QString& documentPath, const QString& folderPath);
// The templates of the working copy, category by category in list order: one per unpacked folder holding
// exactly one page file, named after the category's template documents in listing order.
QList<TemplateThumbnail> populateTemplateIcons(const QList<TemplateCategory>& categories);
// The preparation: a first run copies and unpacks; while no template shows, copying and unpacking are
// tried again, a bounded number of times.
QList<TemplateThumbnail> prepareTemplates(const QList<TemplateCategory>& categories, bool copyFirst);

// The size of a thumbnail: the longer side 200, the other in proportion, cut to whole points.
QSize thumbnailSize(const QSize& imageSize);
// Where the i-th shown thumbnail goes: three to a row, stepped by the first shown thumbnail's size.
QPoint thumbnailOrigin(int index, const QSize& first);
// The size of the grid holding n thumbnails stepped by the first one's size.
QSize gridSize(int count, const QSize& first);

} // namespace TemplateLibrary
