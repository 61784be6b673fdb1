#include "mesh/objl_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Parts = std::vector<std::string>;

struct WordsCase {
    std::string line;
    std::string leading;
    std::string rest;
};

class LineWords : public testing::TestWithParam<WordsCase> {};

TEST_P(LineWords, LeadingWordAndRestOfLine) {
    const WordsCase& c = GetParam();
    EXPECT_EQ(objl::leadingWord(c.line), c.leading);
    EXPECT_EQ(objl::restOfLine(c.line), c.rest);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineWords,
    testing::Values(WordsCase{"", "", ""}, WordsCase{" \t ", "", ""}, WordsCase{"v", "v", ""},
                    WordsCase{"v 1 2 3", "v", "1 2 3"}, WordsCase{"\t  usemtl   red  \t", "usemtl", "red"},
                    WordsCase{"g a b ", "g", "a b"}, WordsCase{"o\tName", "o", "Name"},
                    WordsCase{"newmtl\r", "newmtl\r", ""},        // CR is an ordinary character
                    WordsCase{"map_Kd tex.png\r", "map_Kd", "tex.png\r"}, WordsCase{"a  b  c", "a", "b  c"}));

struct SplitCase {
    std::string text;
    std::string delimiter;
    Parts parts;
};

class SplitOn : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitOn, Parts) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(objl::splitOn(c.text, c.delimiter), c.parts) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitOn,
    testing::Values(SplitCase{"1/2/3", "/", {"1", "2", "3"}}, SplitCase{"1//3", "/", {"1", "", "3"}},
                    SplitCase{"/2", "/", {"", "2"}}, SplitCase{"1/", "/", {"1"}}, SplitCase{"1//", "/", {"1", ""}},
                    SplitCase{"a b ", " ", {"a", "b"}}, SplitCase{"a  b", " ", {"a", "", "b"}},
                    SplitCase{"", " ", {}}, SplitCase{"x", " ", {"x"}}, SplitCase{" ", " ", {""}},
                    SplitCase{"a::b", "::", {"a", "b"}}, SplitCase{"ab:", "::", {"ab:"}},
                    SplitCase{"ab", "", {"", ""}}));

struct TrimCase {
    std::string text;
    std::string trimmed;
};

class TrimLineBreaks : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimLineBreaks, TrailingRunOnly) { EXPECT_EQ(objl::trimLineBreaks(GetParam().text), GetParam().trimmed); }

INSTANTIATE_TEST_SUITE_P(Texts, TrimLineBreaks,
                         testing::Values(TrimCase{"name\r", "name"}, TrimCase{"name\r\n\r", "name"},
                                         TrimCase{"a\rb", "a\rb"}, TrimCase{"", ""}, TrimCase{"\r\n", "\r\n"},
                                         TrimCase{"plain", "plain"}, TrimCase{"x \r", "x "}));

struct FloatCase {
    std::string text;
    float value;
};

class ReadFloat : public testing::TestWithParam<FloatCase> {};

TEST_P(ReadFloat, LongestDecimalPrefix) {
    const FloatCase& c = GetParam();
    EXPECT_EQ(objl::readFloat(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadFloat,
    testing::Values(FloatCase{"1", 1.0f}, FloatCase{"-0.5", -0.5f}, FloatCase{"+2.25", 2.25f},
                    FloatCase{".5", 0.5f}, FloatCase{"5.", 5.0f}, FloatCase{"1e3", 1000.0f},
                    FloatCase{"1.5E-1", 0.15f}, FloatCase{"2e", 2.0f}, FloatCase{"2e+", 2.0f},
                    FloatCase{"0.3412\r", 0.3412f}, FloatCase{" \t\r\n\v\f7", 7.0f}, FloatCase{"3abc", 3.0f},
                    FloatCase{"0x10", 0.0f},  // hexadecimal is not decimal: reads the 0
                    FloatCase{"0.7765", 0.7765f}, FloatCase{"1e39", std::numeric_limits<float>::infinity()},
                    FloatCase{"1e-400", 0.0f}));

class ReadFloatError : public testing::TestWithParam<std::string> {};

TEST_P(ReadFloatError, IsAConversionError) { EXPECT_THROW(objl::readFloat(GetParam()), objl::ConversionError); }

INSTANTIATE_TEST_SUITE_P(Texts, ReadFloatError,
                         testing::Values("", " ", "abc", "-", "+.", ".", "e5", "inf", "nan", "1e400", "-1e999"));

struct IntCase {
    std::string text;
    std::int32_t value;
};

class ReadInt : public testing::TestWithParam<IntCase> {};

TEST_P(ReadInt, Base10Prefix) {
    const IntCase& c = GetParam();
    EXPECT_EQ(objl::readInt(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReadInt,
                         testing::Values(IntCase{"2", 2}, IntCase{"-4", -4}, IntCase{"+7", 7}, IntCase{"12.9", 12},
                                         IntCase{"  3/", 3}, IntCase{"2147483647", 2147483647},
                                         IntCase{"-2147483648", -2147483647 - 1}, IntCase{"0007", 7}));

class ReadIntError : public testing::TestWithParam<std::string> {};

TEST_P(ReadIntError, IsAConversionError) { EXPECT_THROW(objl::readInt(GetParam()), objl::ConversionError); }

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntError,
                         testing::Values("", "x", "-", "+", ".5", "2147483648", "-2147483649",
                                         "99999999999999999999999999"));

struct IndexCase {
    std::string text;
    std::size_t position;
};

class ElementAt : public testing::TestWithParam<IndexCase> {};

TEST_P(ElementAt, SelectsByOneBasedOrBackwardIndex) {
    const std::vector<int> list{10, 20, 30, 40};
    const IndexCase& c = GetParam();
    EXPECT_EQ(objl::elementAt(list, c.text), list[c.position]);
}

INSTANTIATE_TEST_SUITE_P(Indices, ElementAt,
                         testing::Values(IndexCase{"1", 0}, IndexCase{"4", 3}, IndexCase{"-1", 3}, IndexCase{"-4", 0},
                                         IndexCase{"2abc", 1}));

class ElementAtOutside : public testing::TestWithParam<std::string> {};

TEST_P(ElementAtOutside, IsAnIndexError) {
    const std::vector<int> list{10, 20, 30, 40};
    EXPECT_THROW(objl::elementAt(list, GetParam()), objl::IndexError);
}

INSTANTIATE_TEST_SUITE_P(Indices, ElementAtOutside,
                         testing::Values("0", "5", "-5", "2147483647", "-2147483648", "-0"));

TEST(ElementAt, EmptyListHasNoElement) {
    const std::vector<int> empty;
    EXPECT_THROW(objl::elementAt(empty, "1"), objl::IndexError);
    EXPECT_THROW(objl::elementAt(empty, "-1"), objl::IndexError);
    EXPECT_THROW(objl::elementAt(empty, "x"), objl::ConversionError);
}

}  // namespace
