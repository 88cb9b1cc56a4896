#pragma once

namespace vellumo {

// The mean relative luminance (WCAG 2.1; 0 black .. 1 white) of built-in background n (1..67), measured
// from the bundled picture; 0 outside 1..67.
double BuiltInBackgroundLuminance(int number);

} // namespace vellumo
