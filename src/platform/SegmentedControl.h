#pragma once

// The segmented control is shared with the canvas's windows, below this folder.
#include "platform/SegmentedControl.h"
