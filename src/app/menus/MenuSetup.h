#pragma once

class MainMenu;
struct ProductProfile;

// Fits the main menu to the running product, once at launch before the first window.
namespace MenuSetup {

// Reads the version, display name and identifier from the bundle into the profile; hides, retitles and
// re-targets the product's items; hides the video-tutorial item when the product has no tutorials; then
// runs the localisation pass.
void runAppSpecificMenuSetups(MainMenu& menu, ProductProfile& profile);

// Gives the named menus their titles from the strings table, then passes the title of every item of the
// menu bar, of its menus and of their submenus (three levels, no deeper) through the strings table; a title
// without an entry keeps its text.
void prepareToLocalizeMenuItems(MainMenu& menu);

} // namespace MenuSetup
