#pragma once

#include <QString>

struct ProductProfile;

namespace DataCentre {

// The launch step: web fonts, product configuration, image defaults, default text styles and shapes,
// distribution channel, working folders, print scale and zoom steps, in that order.
void initializeData();

// Rebuilds the default text style previews from the four text-category lists, for the indices every list
// holds; a missing name is taken from the built-in text styles.
void buildDefaultTextStyles(ProductProfile& profile);

// "AdHoc" when this build carries the updater, else "AppStore".
QString distributionChannelOfBuild();

// The working folder: the temporary directory, in a sub-folder named after the bundle on "AdHoc".
QString workingFolderFor(const QString& channel, const QString& temporaryDirectory,
                         const QString& bundleIdentifier);

} // namespace DataCentre
