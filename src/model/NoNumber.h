#pragma once

// The number that means "none": no group, slideshow, gallery, section or table, no cell spot, no form
// tag, no palette index. Page files and property dictionaries carry it as it is.
inline constexpr int kNoNumber = -99;
