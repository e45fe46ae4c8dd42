#pragma once
// The message of the office layer's error that a call throws: what the user
// would read.
#include <QString>

#include "platform/office/office_error.h"

namespace testsupport {

// The message of the office::Error f throws; empty when it throws none.
template <class F> QString failureOf(F&& f) {
    try {
        f();
    } catch (const office::Error& e) {
        return e.message();
    }
    return QString();
}

} // namespace testsupport
