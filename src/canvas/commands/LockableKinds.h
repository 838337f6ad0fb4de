#pragma once

class SKTGraphic;

// The kinds of page object that the group and lock commands act on. Rectangles, circles and other plain
// shapes are left out of their collections and changes and do not count in what the commands offer; the
// centring commands and the section queries take every kind.
namespace LockableKinds {

// Texts, images, slideshows, gallery grids, tables and lines: grouped, and locked against moves.
bool takesGroupsAndLocks(const SKTGraphic& graphic);
// The same without lines: a line never keeps its place in the browser window.
bool takesScrollLock(const SKTGraphic& graphic);

} // namespace LockableKinds
