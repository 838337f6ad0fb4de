#pragma once

class QScrollArea;
class QString;
class QWidget;

// The scroll view that fills an inspector tab holding a list of rows (the object library, the Format and
// Layers tabs): always a vertical scroll bar, never a horizontal one, and the rows keep the size the tab
// gives them.
QScrollArea* makeRowListScrollView(QWidget& tab, const QString& objectName);
