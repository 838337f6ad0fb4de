#pragma once

#include <QList>
#include <QString>

// How a control shows a key: its value ("value"), the index of its selected segment ("selectedIndex"), the
// label of its selected segment ("selectedLabel") or the title of its selected item ("selectedValue").
enum class BindingName { Value, SelectedIndex, SelectedLabel, SelectedValue };

// What a control shows for the markers, and how they govern it:
// none: the platform's marker texts; P: the empty string for multiple values and no selection;
// L: "http://" for multiple values, no selection and none; A: "Image Tooltip Text" for the same three;
// S: hidden while a marker is shown, and a selection of several values is not edited through it.
enum class BindingOptions { None, P, L, A, S };

// One binding of an inspector control, named by its object name, to a key of the selection.
struct InspectorBindingRow {
    QString control;
    BindingName binding;
    QString key;
    BindingOptions options;
};

// Every binding of the inspector, in the order they are made.
const QList<InspectorBindingRow>& inspectorBindingTable();
