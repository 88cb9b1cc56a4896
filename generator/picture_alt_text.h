#pragma once

#include <string>
#include <string_view>

namespace vellumo {

// The slot in a phone-friendly layout's picture tag where its description goes ("txtPhotoAlt32": the second
// of three), and what fills it.
std::string PictureAltToken(int photoCount, int row);

// The description a screen reader gives of a listing picture, as an attribute: ` alt="Blue teapot — photo 2
// of 3"` from the title and the picture's place, the title's markup characters written as text. Empty when
// the seller's own markup in the picture's field gives the picture an alt text already.
std::string PictureAltAttribute(std::string_view title, std::string_view picture, int row, int photoCount);

} // namespace vellumo
