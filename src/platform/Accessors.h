#pragma once

#include <utility>

// The accessors of a stored member `m_name`, shared by the records, graphics and documents that declare
// their plain fields in bulk. A setter stores the value and then runs the statements passed after its
// name, if any (a change notification, say).
#define VELK_SETTER(Type, name, setter, ...)                                                                 \
    void setter(Type value)                                                                                  \
    {                                                                                                        \
        m_##name = std::move(value);                                                                         \
        __VA_ARGS__                                                                                          \
    }

// Getter `name()` and setter `setter(value)`.
#define VELK_ACCESSORS(Type, name, setter, ...)                                                              \
    Type name() const                                                                                        \
    {                                                                                                        \
        return m_##name;                                                                                     \
    }                                                                                                        \
    VELK_SETTER(Type, name, setter, __VA_ARGS__)

// A field with public accessors and its private member, initialised from the arguments after `afterSet`
// (none: 0, false or a null value).
#define VELK_STORED_FIELD(Type, name, setter, afterSet, ...)                                                 \
public:                                                                                                      \
    VELK_ACCESSORS(Type, name, setter, afterSet)                                                             \
                                                                                                             \
private:                                                                                                     \
    Type m_##name{__VA_ARGS__};
