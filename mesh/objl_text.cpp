#include "mesh/objl_text.h"

#include <cmath>
#include <cstdlib>

namespace objl {

namespace {

bool isWhiteSpace(char c) { return c == ' ' || c == '\t'; }

// The wider set that number reading skips, as the C library's conversions do.
bool isNumberSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(const std::string& text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

std::size_t skipNumberSpace(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && isNumberSpace(text[i])) ++i;
    return i;
}

std::size_t skipSign(const std::string& text, std::size_t i) {
    return (i < text.size() && (text[i] == '+' || text[i] == '-')) ? i + 1 : i;
}

[[noreturn]] void notANumber(const std::string& text, const char* what) {
    throw ConversionError(std::string("not ") + what + ": \"" + text + "\"");
}

}  // namespace

std::string leadingWord(const std::string& line) {
    std::size_t begin = 0;
    while (begin < line.size() && isWhiteSpace(line[begin])) ++begin;
    std::size_t end = begin;
    while (end < line.size() && !isWhiteSpace(line[end])) ++end;
    return line.substr(begin, end - begin);
}

std::string restOfLine(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && isWhiteSpace(line[i])) ++i;
    while (i < line.size() && !isWhiteSpace(line[i])) ++i;
    while (i < line.size() && isWhiteSpace(line[i])) ++i;
    std::size_t end = line.size();
    while (end > i && isWhiteSpace(line[end - 1])) --end;
    return line.substr(i, end - i);
}

std::vector<std::string> splitOn(const std::string& text, const std::string& delimiter) {
    std::vector<std::string> parts;
    std::string part;
    const std::size_t size = text.size();
    const std::size_t step = delimiter.size();
    std::size_t i = 0;
    while (i < size) {
        if (text.compare(i, step, delimiter) == 0) {
            if (!part.empty()) {
                parts.push_back(part);
                part.clear();
                i += step;
            } else {
                parts.emplace_back();
                i += 1;
            }
        } else if (i + step >= size) {
            part.append(text, i, std::string::npos);
            parts.push_back(part);
            break;
        } else {
            part += text[i];
            i += 1;
        }
    }
    return parts;
}

std::string trimLineBreaks(const std::string& text) {
    const std::size_t last = text.find_last_not_of("\r\n");
    if (last == std::string::npos) return text;
    return text.substr(0, last + 1);
}

float readFloat(const std::string& text) {
    const std::size_t begin = skipNumberSpace(text);
    std::size_t i = skipSign(text, begin);
    const std::size_t integerEnd = skipDigits(text, i);
    std::size_t mantissaDigits = integerEnd - i;
    i = integerEnd;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionEnd = skipDigits(text, i + 1);
        mantissaDigits += fractionEnd - (i + 1);
        i = fractionEnd;
    }
    if (mantissaDigits == 0) notANumber(text, "a number");
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::size_t exponentStart = skipSign(text, i + 1);
        const std::size_t exponentEnd = skipDigits(text, exponentStart);
        if (exponentEnd > exponentStart) i = exponentEnd;
    }
    // The prefix is a plain decimal number, so strtod reads all of it (the program keeps
    // the C locale).
    const std::string number = text.substr(begin, i - begin);
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) throw ConversionError("number out of range: \"" + text + "\"");
    return static_cast<float>(value);
}

std::int32_t readInt(const std::string& text) {
    const std::size_t begin = skipNumberSpace(text);
    std::size_t i = skipSign(text, begin);
    const bool negative = i > begin && text[begin] == '-';
    const std::size_t digitsEnd = skipDigits(text, i);
    if (digitsEnd == i) notANumber(text, "an integer");
    constexpr long long limit = 2147483648LL;  // the magnitude of the 32-bit minimum
    long long magnitude = 0;
    for (; i < digitsEnd; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) throw ConversionError("integer out of range: \"" + text + "\"");
    }
    if (!negative && magnitude == limit) throw ConversionError("integer out of range: \"" + text + "\"");
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::size_t indexPosition(std::size_t listSize, const std::string& indexText) {
    const long long n = readInt(indexText);
    const long long size = static_cast<long long>(listSize);
    const long long position = n < 0 ? size + n : n - 1;
    if (position < 0 || position >= size) {
        throw IndexError("index " + std::to_string(n) + " outside a list of " + std::to_string(listSize));
    }
    return static_cast<std::size_t>(position);
}

}  // namespace objl
