#pragma once

class PageAssembly;

// What each kind of page object contributes to a page generation: its element rules, its body markup,
// its image files and its records for the responsive page. Each pass numbers the objects of its kind.
namespace PageKinds {

void writeSlideshows(PageAssembly& page);
void writeGalleryGrids(PageAssembly& page);
// Tables, sections and web components: their rules, and their cells as text boxes or snippets.
void writeTables(PageAssembly& page);
void writeSnippets(PageAssembly& page);
void writeLines(PageAssembly& page);
void writeImages(PageAssembly& page);
void writeTextBoxes(PageAssembly& page);

} // namespace PageKinds
