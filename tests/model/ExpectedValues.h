#pragma once

#include "model/GraphicPropertyDictionary.h"

#include <gtest/gtest.h>

#include <QVariant>

#include <vector>

// One field of an object under test: its name, the value it has and the value it should have.
struct FieldCase {
    const char* field;
    QVariant actual, expected;
};

inline void expectFields(const std::vector<FieldCase>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.field << ": " << qPrintable(c.actual.toString());
}

// One key of a dictionary under test and the value it should hold.
struct KeyCase {
    const char* key;
    QVariant expected;
};

inline void expectKeys(const GraphicPropertyDictionary& dictionary, const std::vector<KeyCase>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(dictionary.value(QString::fromLatin1(c.key)), c.expected) << c.key;
}
