#pragma once

#include <stdexcept>

// A canvas operation was called in a state it never allows (unbound, already editing): a programming error,
// thrown so that the caller's fault surfaces where it happens and tests can observe it.
class InternalInconsistencyError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};
