#include "background_luminance.h"

#include "backgrounds.h"

#include <array>

namespace vellumo {

double BuiltInBackgroundLuminance(int number) {
    // Measured from resources/backgrounds/full/NNN.jpg (tests/resources keeps this table and the pictures
    // in step): the mean of every pixel's relative luminance.
    static constexpr std::array<double, kBackgroundCount> kLuminance = {
        0.672, 0.770, 0.399, 0.062, 0.741, 0.101, 0.558, 0.512, 0.078, 0.711, //
        0.745, 0.528, 0.535, 0.738, 0.709, 0.307, 0.101, 0.544, 0.836, 0.820, //
        0.522, 0.213, 0.070, 0.583, 0.430, 0.359, 0.051, 0.711, 0.216, 0.411, //
        0.307, 0.564, 0.094, 0.039, 0.559, 0.681, 0.683, 0.362, 0.560, 0.841, //
        0.282, 0.281, 0.599, 0.404, 0.021, 0.036, 0.720, 0.319, 0.138, 0.880, //
        0.270, 0.267, 0.180, 0.133, 0.869, 0.907, 0.811, 0.643, 0.663, 0.094, //
        0.807, 0.407, 0.286, 0.629, 0.769, 0.749, 0.490,
    };
    return number >= 1 && number <= kBackgroundCount ? kLuminance.at(static_cast<std::size_t>(number - 1))
                                                     : 0;
}

} // namespace vellumo
