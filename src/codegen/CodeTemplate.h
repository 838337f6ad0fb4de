#pragma once

#include <QString>

#include <initializer_list>

// Templates of generated code as the page writer has always spelt them: "%@" takes a text (a text that is
// none is written "(null)"), "%d" an integer, "%f" a number with six decimals, "%0.2f" one with two, "%%"
// gives "%". The values fill the placeholders in order; numbers are written in the C locale.
namespace CodeTemplate {

class Value {
public:
    Value(const QString& text)
        : m_text(text)
        , m_isText(true)
    {}
    Value(const char* text)
        : m_text(QString::fromUtf8(text))
        , m_isText(true)
    {}
    Value(int number)
        : m_number(number)
    {}
    Value(long long number)
        : m_number(double(number))
    {}
    Value(double number)
        : m_number(number)
    {}

    bool isText() const { return m_isText; }
    const QString& text() const { return m_text; }
    double number() const { return m_number; }

private:
    QString m_text;
    double m_number = 0;
    bool m_isText = false;
};

// A placeholder left without a value is written as it stands; values left over are ignored.
QString format(const char* tmpl, std::initializer_list<Value> values);

} // namespace CodeTemplate
