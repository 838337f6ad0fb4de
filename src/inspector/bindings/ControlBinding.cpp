#include "inspector/bindings/ControlBinding.h"

#include "inspector/bindings/SelectionProxy.h"
#include "inspector/controls/ValueSlider.h"
#include "platform/SegmentedControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QSpinBox>

#include <cmath>

namespace {

// Fraction digits shown by text fields: none with an integer formatter, two with a decimal one, and at
// most three for a plain number.
int fractionDigits(const QLineEdit& field)
{
    if (qobject_cast<const QIntValidator*>(field.validator()))
        return 0;
    if (qobject_cast<const QDoubleValidator*>(field.validator()))
        return 2;
    return 3;
}

QString numberText(double value, int digits)
{
    if (digits == 0)
        return QString::number(std::llround(value));
    QString text = QString::number(value, 'f', digits);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"-0" ? QStringLiteral("0") : text;
}

bool isText(const QMetaType& type)
{
    return type == QMetaType::fromType<QString>();
}

} // namespace

ControlBinding::ControlBinding(QWidget& control, const InspectorBindingRow& row, SelectionProxy& proxy,
                               QObject* parent)
    : QObject(parent)
    , m_control(&control)
    , m_row(row)
    , m_proxy(&proxy)
    , m_ownEnabled(control.isEnabled())
{
    connectEdits();
    connect(&proxy, &SelectionProxy::valueChanged, this, [this](const QString& key) {
        if (key == m_row.key)
            refresh();
    });
    connect(&proxy, &SelectionProxy::selectionChanged, this, &ControlBinding::refresh);
    refresh();
}

ControlBinding::~ControlBinding()
{
    if (!m_control)
        return;
    m_control->setEnabled(m_ownEnabled);
    if (m_hiddenByBinding)
        m_control->show();
}

bool ControlBinding::canBind(const QWidget& control, BindingName binding)
{
    switch (binding) {
    case BindingName::Value:
        return qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QSpinBox*>(&control) ||
               qobject_cast<const ValueSlider*>(&control) || qobject_cast<const QCheckBox*>(&control);
    case BindingName::SelectedIndex:
    case BindingName::SelectedLabel:
        return qobject_cast<const SegmentedControl*>(&control);
    case BindingName::SelectedValue:
        return qobject_cast<const QComboBox*>(&control);
    }
    return false;
}

ControlBinding::Placeholders ControlBinding::placeholders(BindingOptions options)
{
    switch (options) {
    case BindingOptions::P:
        return {QStringLiteral(""), QStringLiteral(""), QString()};
    case BindingOptions::L:
        return {QStringLiteral("http://"), QStringLiteral("http://"), QStringLiteral("http://")};
    case BindingOptions::A:
        return {QStringLiteral("Image Tooltip Text"), QStringLiteral("Image Tooltip Text"),
                QStringLiteral("Image Tooltip Text")};
    case BindingOptions::None:
    case BindingOptions::S:
        break;
    }
    return {QObject::tr("Multiple Values"), QObject::tr("No Selection"), QString()};
}

void ControlBinding::connectEdits()
{
    QWidget* control = m_control;
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        connect(field, &QLineEdit::editingFinished, this, [this, field] {
            if (!field->isModified())
                return;
            field->setModified(false);
            writeText(field->text());
        });
    } else if (auto* stepper = qobject_cast<QSpinBox*>(control)) {
        connect(stepper, &QSpinBox::valueChanged, this, [this](int value) { write(value); });
    } else if (auto* slider = qobject_cast<ValueSlider*>(control)) {
        connect(slider, &ValueSlider::valueSettled, this, [this](double value) { write(value); });
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        connect(box, &QCheckBox::clicked, this, [this, box](bool checked) {
            box->setTristate(false);
            box->setChecked(checked);
            write(checked ? 1 : 0);
        });
    } else if (auto* segments = qobject_cast<SegmentedControl*>(control)) {
        connect(segments, &SegmentedControl::activated, this, [this, segments](int segment) {
            if (m_row.binding == BindingName::SelectedLabel)
                write(segments->segmentLabel(segment));
            else
                write(segment);
        });
    } else if (auto* popup = qobject_cast<QComboBox*>(control)) {
        connect(popup, &QComboBox::activated, this,
                [this, popup](int index) { write(popup->itemText(index)); });
    }
}

void ControlBinding::refresh()
{
    if (!m_control)
        return;
    SelectionValue value;
    if (m_proxy)
        value = m_proxy->valueForKey(m_row.key);
    m_refreshing = true;
    show(value);
    m_refreshing = false;
}

void ControlBinding::show(const SelectionValue& value)
{
    QWidget* control = m_control;
    const bool noSelection = value.marker == SelectionValue::Marker::NoSelection;
    control->setEnabled(m_ownEnabled && !noSelection);
    if (m_row.options == BindingOptions::S) {
        // Only a control the binding hid comes back: the others stay where their tab put them.
        if (value.isMarker() && !control->isHidden()) {
            control->hide();
            m_hiddenByBinding = true;
        } else if (!value.isMarker() && m_hiddenByBinding) {
            control->show();
            m_hiddenByBinding = false;
        }
    }

    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        const Placeholders texts = placeholders(m_row.options);
        QString text;
        QString placeholder;
        if (value.marker == SelectionValue::Marker::MultipleValues)
            placeholder = texts.multipleValues;
        else if (noSelection)
            placeholder = texts.noSelection;
        else if (value.value.userType() == QMetaType::QString && value.value.toString().isNull())
            placeholder = texts.null;
        else if (value.value.userType() == QMetaType::QString)
            text = value.value.toString();
        else
            text = numberText(value.value.toDouble(), fractionDigits(*field));
        field->setText(text);
        field->setPlaceholderText(placeholder);
        field->setModified(false);
    } else if (auto* stepper = qobject_cast<QSpinBox*>(control)) {
        // Showing a value is no edit: the stepper's action hears only the user.
        const QSignalBlocker quiet(stepper);
        if (!value.isMarker())
            stepper->setValue(value.value.toInt());
    } else if (auto* slider = qobject_cast<ValueSlider*>(control)) {
        if (!value.isMarker())
            slider->setDoubleValue(value.value.toDouble());
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        const bool mixed = value.marker == SelectionValue::Marker::MultipleValues;
        box->setTristate(mixed);
        const bool on = !value.isMarker() && value.value.toDouble() != 0;
        box->setCheckState(mixed ? Qt::PartiallyChecked : on ? Qt::Checked : Qt::Unchecked);
    } else if (auto* segments = qobject_cast<SegmentedControl*>(control)) {
        int segment = -1;
        if (!value.isMarker())
            segment = m_row.binding == BindingName::SelectedLabel
                          ? segments->segmentWithLabel(value.value.toString())
                          : value.value.toInt();
        segments->setSelectedSegment(segment);
    } else if (auto* popup = qobject_cast<QComboBox*>(control)) {
        popup->setCurrentIndex(value.isMarker() ? -1 : popup->findText(value.value.toString()));
    }
}

void ControlBinding::write(const QVariant& value)
{
    if (m_refreshing || !m_proxy)
        return;
    if (m_row.options == BindingOptions::S &&
        m_proxy->valueForKey(m_row.key).marker == SelectionValue::Marker::MultipleValues)
        return;
    m_proxy->setValueForKey(m_row.key, value);
    // What the graphics took (a rule may have corrected the value, or nothing was selected) is shown.
    refresh();
}

void ControlBinding::writeText(const QString& text)
{
    if (!m_proxy)
        return;
    if (isText(m_proxy->typeOfKey(m_row.key))) {
        write(text);
        return;
    }
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(number))
        write(number);
    else
        refresh();
}
