#include "text/replace.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vellumo {
namespace {

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRightWithoutOverlap) {
    std::string text = "aaaa-aa";
    ReplaceAll(text, "aa", "b");
    EXPECT_EQ(text, "bb-b");

    text = "x.x";
    ReplaceAll(text, "x", "xx"); // the replacement holds the find text: no endless growth
    EXPECT_EQ(text, "xx.xx");

    text = "Title";
    ReplaceAll(text, "title", "other"); // case matters
    EXPECT_EQ(text, "Title");
}

// The plain left-to-right scan that ReplaceAll must agree with, whatever byte it searches by.
std::string replacedByPlainScan(std::string text, const std::string& find, const std::string& with) {
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, at + with.size())) {
        text.replace(at, find.size(), with);
    }
    return text;
}

TEST(ReplaceAll, AgreesWithAPlainScanOnRandomTexts) {
    std::mt19937 random(20261207);
    const std::string alphabet = "aA1 <\"";
    const auto randomText = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = randomText(24);
        std::string find = randomText(4);
        if (find.empty()) {
            find = "a";
        }
        const std::string with = randomText(5);
        std::string replaced = text;
        ReplaceAll(replaced, find, with);
        ASSERT_EQ(replaced, replacedByPlainScan(text, find, with))
            << "text '" << text << "' find '" << find << "' with '" << with << "'";
    }
}

TEST(ReplaceAll, EmptyFindChangesNothing) {
    std::string text = "abc";
    ReplaceAll(text, "", "zzz");
    EXPECT_EQ(text, "abc");
}

} // namespace
} // namespace vellumo
