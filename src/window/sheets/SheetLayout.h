#pragma once

class QDialog;
class QFormLayout;
class QPushButton;

// The common shape of the window's small sheets: a form of fields over a row of cancel and save buttons,
// save being the default. The sheet is window-modal.
namespace SheetLayout {

QFormLayout* begin(QDialog& sheet);
void addButtons(QFormLayout& form, QPushButton& cancel, QPushButton& save);

} // namespace SheetLayout
