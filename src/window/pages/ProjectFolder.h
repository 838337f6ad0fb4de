#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One page document of a website folder as the page list shows it: what the scan reads of its working
// copy.
struct PageTileRecord {
    QString documentName;        // file name of the page document, with extension
    QString imagePath;           // the thumbnail of the working copy
    QString pagePublishFileName; // base name + "." + publish extension
    QString pageLocalFileName;   // the working copy's page file: base name + "." + source extension
    QString pageTitle;
    QString pageWidth;
    QString fileTime; // "MMM dd yyyy h:mm a"
    QDateTime modified;
    int useBaseTemplateFlag = 0;
    int inheritMetadataFlag = 0;
    int inheritCustomHeaderCodeFlag = 0;
    bool oldDovrinprofileFlag = false;
    int pageNumber = 0;
};

// Where a column of the page list puts one tile.
struct TileSlot {
    int position = 0; // in the filtered list
    int column = 0;
    int row = 0;
    int x = 0;
    int width = 0;
};

// The website folder without any window: its page documents, their working copies, the page order file and
// the geometry of the page list. Failures of the file operations are not reported; the scan shows what is
// on disk.
namespace ProjectFolder {

inline constexpr QLatin1StringView kOrderIndexFile{"order.index"};
inline constexpr QLatin1StringView kFormDocumentExtension{"quarnel"};

// The folder's last path component with every blank removed.
QString folderNameWithoutBlanks(const QString& projectPath);
// The project's working folder under the received-pages folder: the blank-less folder name followed by a
// key of the full project path, so two projects never share one ("My Site" and "MySite" differ).
QString workingFolderFor(const QString& projectPath);
// Deletes the folder and makes it again, empty; false when it cannot be made.
bool resetFolder(const QString& path);

// Whether the file name is a page document of the product: its extension or the form-page one.
bool isPageDocumentName(const QString& fileName);
// The page documents of the folder (not recursive) by `sortBy`: "fileName" in locale-aware name order,
// "modDate" newest first, anything else in the folder's listing order.
QStringList listPageDocuments(const QString& projectPath, const QString& sortBy = {});
// The first page document in the folder's listing order; empty when there is none.
QString grabPathOfFirstFile(const QString& projectPath);

// Unpacks the page document into the working folder beside the other pages and answers the path of its
// thumbnail; empty when it could not be unpacked. Each document unpacks into a folder of its own, and a
// page takes a name whose page file and folder no other page of the working folder uses.
QString migratePage(const QString& documentPath, const QString& workingFolder);
// The width of the last "<meta name='viewport' content='width=" line, as decimal digits; empty without one.
QString grabPageWidth(const QString& text);
// The tile record of one page document of the project, its working copy made in the working folder.
PageTileRecord readPage(const QString& projectPath, const QString& workingFolder,
                        const QString& documentName);
// Every page of the project in scan order (`sortBy` as above), numbered by its scan position.
QList<PageTileRecord> scan(const QString& projectPath, const QString& workingFolder,
                           const QString& sortBy = {});

// The text of "order.index" for the page names in order: "name,position\n" per page.
QString orderIndexText(const QStringList& documentNames);
// Replaces the folder's order file by one for the names; ASCII, else UTF-16 with a byte-order mark.
bool writeOrderIndex(const QString& projectPath, const QStringList& documentNames);
// The page numbers the folder's order file gives by page name; none when there is no file. A name is read up
// to the last comma of its line, so a name holding commas keeps them; lines without a comma are skipped.
std::optional<QHash<QString, int>> readOrderIndex(const QString& projectPath);
// The page order of the pages named in scan order: the positions of the names in page order, and the page
// number of each name (scan order). Numbers come from the order file, where a page it does not list gets 0,
// or without one from the scan positions; equal numbers keep their scan order. The base template page then
// comes first.
struct PageOrder {
    QList<qsizetype> positions;
    QList<int> pageNumbers;
};
PageOrder pageOrder(const QStringList& documentNames, const std::optional<QHash<QString, int>>& numbers,
                    const QString& baseTemplateDocumentName);
// A page name may not hold a comma (the order file could not keep it), nor a path separator, NUL or a
// leading dot (the page would be written outside its project, or hidden).
bool isAcceptablePageName(const QString& fileName);

// Whether the search text is empty or occurs in "title name", regardless of case and diacritics.
bool passesFilter(const QString& pageTitle, const QString& pageName, const QString& searchText);
// The column count: the user's choice, else the product's, else 1.
int columnCount(int userColumns, int productColumns);
// The slots of n tiles filled column by column in a list `listWidth` wide.
QList<TileSlot> layoutTiles(int count, int columns, int listWidth);
// "%d Documents\n%@" ("%d Document" for one) with the project folder's name.
QString summaryText(int count, const QString& projectPath);

// A free name (without extension) for a new page: prefix + noun + number, trying pageCount + 1, then
// pageCount, pageCount + 1, ... while the folder holds the name as a page document.
QString generateDefaultPageName(const QString& projectPath, int pageCount, const QString& prefix,
                                const QString& noun, const QString& documentExtension);
// The file name, or "<base><n>.<ext>" with the first counter from 0 that is free in the folder.
QString freeFileName(const QString& folder, const QString& fileName);
// Whether a is not older than b (equal times count as newer).
bool isFirstFileNewer(const QString& a, const QString& b);

} // namespace ProjectFolder
