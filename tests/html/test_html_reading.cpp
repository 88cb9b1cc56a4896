#include "html/html_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vellumo {
namespace {

std::string repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string numberedAttributes(std::size_t count) {
    std::string tag = "<p";
    for (std::size_t i = 0; i < count; ++i) {
        tag += " a" + std::to_string(i);
    }
    return tag + ">x</p>";
}

struct LimitCase {
    const char* name;
    std::string html;
    HtmlLimit::Kind kind;
};

class ReadingLimitTest : public testing::TestWithParam<LimitCase> {};

// Markup that would make the parser's work grow out of bounds is read up to where it starts.
TEST_P(ReadingLimitTest, StopsBeforeTheMarkupPastTheLimit) {
    const HtmlReading reading = ReadHtml(GetParam().html);
    ASSERT_TRUE(reading.limit);
    EXPECT_EQ(reading.limit->kind, GetParam().kind);
    EXPECT_LT(reading.limit->at, GetParam().html.size());
    ASSERT_FALSE(reading.elements.empty());
    for (const HtmlElement& element : reading.elements) {
        EXPECT_TRUE(element.at == kNoPosition || element.at < reading.limit->at) << element.at;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Markup, ReadingLimitTest,
    testing::Values(LimitCase{"NestedElements", repeated("<div>", 600), HtmlLimit::Kind::Nesting},
                    LimitCase{"CopiesOfFormattingElements", repeated("<i><b></i>", 2000),
                              HtmlLimit::Kind::Nesting},
                    LimitCase{"ManyAttributes", numberedAttributes(300), HtmlLimit::Kind::Attributes},
                    LimitCase{"RepeatedAttributeWithoutValue", "<p" + repeated(" <a", 40000) + ">x",
                              HtmlLimit::Kind::Attributes},
                    LimitCase{"ManyElements", repeated("<br>", kMostNodes + 10), HtmlLimit::Kind::Nodes}),
    [](const testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

TEST(ReadHtml, NestingJustWithinTheLimitIsReadWhole) {
    // html, body and the divs: the deepest div is the limit's own depth.
    const HtmlReading reading = ReadHtml(repeated("<div>", kDeepestNesting - 2) + "x");
    EXPECT_FALSE(reading.limit);
    EXPECT_EQ(reading.elements.size(), kDeepestNesting + 1) << "html, head, body and the divs";
    const HtmlReading deeper = ReadHtml(repeated("<div>", kDeepestNesting - 1) + "x");
    ASSERT_TRUE(deeper.limit);
    EXPECT_EQ(deeper.limit->at, (kDeepestNesting - 2) * 5) << "the div past the limit";
}

class ControlByteTest : public testing::TestWithParam<char> {};

// The parser alone would read U+FFFD for these, where a browser keeps the byte (and an address parser
// then drops it from the address's ends).
TEST_P(ControlByteTest, IsKeptInAttributesWithEveryPositionAfterItRight) {
    const std::string html = std::string("<a href=\"") + GetParam() + "javascript:x\" title=\"t\">x</a>";
    const HtmlReading reading = ReadHtml(html);
    const HtmlElement& link = reading.elements.back();
    ASSERT_EQ(link.name, "a");
    ASSERT_EQ(link.attributes.size(), 2u);
    EXPECT_EQ(link.attributes[0].value, GetParam() + std::string("javascript:x"));
    EXPECT_EQ(link.attributes[1].nameAt, html.find("title"));
    EXPECT_EQ(link.attributes[1].rawValueEnd, html.find(">x<"));
    EXPECT_EQ(reading.texts.back().at, html.find(">x<") + 1);
}

INSTANTIATE_TEST_SUITE_P(C0AndDelete, ControlByteTest,
                         testing::Values('\x01', '\x02', '\x08', '\x0B', '\x0E', '\x1F', '\x7F'));

TEST(ReadHtml, AnAttributeAfterARepeatedOneWithoutValueKeepsItsName) {
    const HtmlReading reading = ReadHtml("<img src=x src onerror=alert(1)>");
    const HtmlElement& picture = reading.elements.back();
    ASSERT_EQ(picture.attributes.size(), 2u);
    EXPECT_EQ(picture.attributes[1].name, "onerror");
    EXPECT_EQ(picture.attributes[1].nameAt, 15u);
    EXPECT_EQ(picture.attributes[1].value, "alert(1)");
}

struct TextCase {
    const char* html;
    const char* text;
    HtmlText::Kind kind;
};

class TextKindTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextKindTest, TellsWhereABreakWouldBreakTheLine) {
    const HtmlReading reading = ReadHtml(GetParam().html, HtmlContext::BodyContent);
    const auto text = std::ranges::find(reading.texts, std::string(GetParam().text), &HtmlText::text);
    ASSERT_NE(text, reading.texts.end());
    EXPECT_EQ(text->kind, GetParam().kind);
    EXPECT_EQ(std::string_view(GetParam().html).substr(text->at, text->rawEnd - text->at), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextKindTest,
    testing::Values(TextCase{"\nLeading break", "\nLeading break", HtmlText::Kind::Shown},
                    TextCase{"<b>x</b>\n<i>y</i>", "\n", HtmlText::Kind::Shown},
                    TextCase{"<pre><b>a\nb</b></pre>", "a\nb", HtmlText::Kind::Verbatim},
                    TextCase{"<textarea>a\nb</textarea>", "a\nb", HtmlText::Kind::Verbatim},
                    TextCase{"<noscript>a\n<b>b</noscript>", "a\n<b>b", HtmlText::Kind::Verbatim},
                    TextCase{"<svg><text>a\nb</text></svg>", "a\nb", HtmlText::Kind::Verbatim},
                    TextCase{"<svg><foreignObject>a\nb</foreignObject></svg>", "a\nb", HtmlText::Kind::Shown},
                    TextCase{"<style>p{}</style>", "p{}", HtmlText::Kind::StyleSheet}));

} // namespace
} // namespace vellumo
