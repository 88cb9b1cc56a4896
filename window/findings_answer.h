#pragma once

#include <cstddef>

namespace vellumo {

// What the seller chose when a check found something before the listing left the program.
struct FindingsAnswer {
    enum class Choice { CopyAnyway, Cancel, ApplyFix };
    Choice choice = Choice::Cancel;
    std::size_t finding = 0; // with ApplyFix: the finding whose fix was chosen
};

} // namespace vellumo
