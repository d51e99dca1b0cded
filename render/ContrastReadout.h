#pragma once
// The contrast a grey on white really has on the patient's screen. The contrast levels are
// named by their grey value, floor(Foreground x 255 / 100), but an sRGB display's light is not
// proportional to that value: grey 229 ("10 %") gives 79 % of white's light.

namespace lenvari {

// The light of an 8-bit sRGB value as a fraction of white's (the sRGB transfer curve).
double SrgbLuminance(int value);

// Weber contrast in percent, (L_white - L) / L_white, of `Foreground` drawn on white.
double DrawnWeberContrast(int foreground);

}  // namespace lenvari
