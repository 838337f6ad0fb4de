#pragma once

#include "inspector/bindings/InspectorBindingTable.h"

#include <QObject>
#include <QPointer>

class SelectionProxy;
struct SelectionValue;

// One inspector control tied to one key of the selection: the control shows what the key reads (its value
// or a marker) and follows every change of it, and what the user does with the control is written to every
// selected graphic. Removing the binding leaves the control showing its
// last value, no longer tied to anything. Controls: line edits, spin boxes, value sliders and check boxes
// carry "value"; segmented controls "selectedIndex" and "selectedLabel"; combo boxes "selectedValue".
// A binding whose control goes does nothing more.
class ControlBinding : public QObject {
    Q_OBJECT

public:
    ControlBinding(QWidget& control, const InspectorBindingRow& row, SelectionProxy& proxy, QObject* parent);
    ~ControlBinding() override;

    const InspectorBindingRow& row() const { return m_row; }
    // Whether the control is of a kind that carries the binding name.
    static bool canBind(const QWidget& control, BindingName binding);

    // The texts shown in place of a value: for several differing values, for no selection, for none.
    struct Placeholders {
        QString multipleValues;
        QString noSelection;
        QString null;
    };
    static Placeholders placeholders(BindingOptions options);

private:
    void connectEdits();
    void refresh();
    void show(const SelectionValue& value);
    void write(const QVariant& value);
    void writeText(const QString& text);

    QPointer<QWidget> m_control;
    InspectorBindingRow m_row;
    QPointer<SelectionProxy> m_proxy;
    bool m_refreshing = false;
    // The control's own state, which the binding overrides while nothing is selected or a marker hides it.
    bool m_ownEnabled;
    bool m_hiddenByBinding = false;
};
