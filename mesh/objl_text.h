#pragma once

#include "mesh/load_errors.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The text helpers of the OBJ/MTL reader. White space is the space and the horizontal tab
// only; a carriage return is an ordinary character.
namespace objl {

// From the first non-white-space character up to the next white space or the end; empty
// for an empty or all-white-space line.
std::string leadingWord(const std::string& line);

// What follows the first word and the white space after it, up to the last
// non-white-space character; empty when nothing does.
std::string restOfLine(const std::string& line);

// Parts between delimiters. A delimiter right after another (or at the start) gives an
// empty part; a final delimiter does not. An empty text gives no part; an empty delimiter
// gives one empty part per character.
std::vector<std::string> splitOn(const std::string& text, const std::string& delimiter);

// The text without its trailing run of CR and LF; unchanged when it is nothing but those.
std::string trimLineBreaks(const std::string& text);

// The float of the longest decimal prefix (optional sign, fraction, exponent) after any
// leading space, tab, CR, LF, VT or FF, read as a double and narrowed. "inf", "nan" and
// hexadecimal forms are not decimal numbers. Throws ConversionError when the text does
// not begin with a number or the value overflows a double (an underflow reads as the
// nearest representable value).
float readFloat(const std::string& text);

// The same for a base-10 signed 32-bit integer; trailing characters (a fraction
// included) are ignored. Throws ConversionError outside the 32-bit range.
std::int32_t readInt(const std::string& text);

// The position an OBJ index selects in a list of the given size: n counts from 1, a
// negative n counts back from the end (-1 is the last). Throws IndexError when the
// position lies outside the list, which 0 always does; ConversionError when the text is
// not a number.
std::size_t indexPosition(std::size_t listSize, const std::string& indexText);

template <typename T>
const T& elementAt(const std::vector<T>& list, const std::string& indexText) {
    return list[indexPosition(list.size(), indexText)];
}

}  // namespace objl
