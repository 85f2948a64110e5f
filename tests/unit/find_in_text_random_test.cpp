// FindInText against a plain statement of its rule, on random texts that
// mix ASCII and double-byte characters.
#include "foundation/text_operations.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The rule: the first character start at which the pattern's bytes follow;
// a lead byte (0x80 and up) with nothing after it ends the search.
int32_t ReferenceFind(const std::string& text, const std::string& pattern)
{
    if (pattern.empty())
        return text.empty() ? -1 : 1;
    std::vector<size_t> starts;
    for (size_t at = 0; at < text.size();) {
        starts.push_back(at);
        if (static_cast<unsigned char>(text[at]) >= 0x80) {
            if (at + 1 >= text.size())
                break;  // a dangling lead byte: no character starts after it
            at += 2;
        } else {
            at += 1;
        }
    }
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t at = starts[i];
        const bool danglingLead = static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 >= text.size();
        if (at + pattern.size() <= text.size() && text.compare(at, pattern.size(), pattern) == 0)
            return static_cast<int32_t>(at) + 1;
        if (danglingLead)
            return -1;
    }
    return -1;
}

std::string RandomPiece(std::mt19937& random, size_t characters)
{
    std::string piece;
    std::uniform_int_distribution<int> kind(0, 3), ascii(0x01, 0x7F), lead(0x80, 0xFF), trail(0x01, 0xFF);
    std::uniform_int_distribution<int> small(0, 2);
    for (size_t i = 0; i < characters; ++i) {
        if (kind(random) == 0) {
            piece.push_back(static_cast<char>(lead(random)));
            piece.push_back(static_cast<char>(trail(random)));
        } else {
            // Few distinct letters, so that matches are common.
            piece.push_back(static_cast<char>(small(random) == 0 ? ascii(random) : 'a' + small(random)));
        }
    }
    return piece;
}

TEST(FindInTextRandomTest, AgreesWithTheRuleOnMixedTexts)
{
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> textLength(0, 24), patternLength(0, 4), coin(0, 3);
    std::uniform_int_distribution<int> lead(0x80, 0xFF);
    for (int round = 0; round < 20000; ++round) {
        std::string text = RandomPiece(random, static_cast<size_t>(textLength(random)));
        if (coin(random) == 0)
            text.push_back(static_cast<char>(lead(random)));  // a lead byte at the very end
        std::string pattern;
        if (coin(random) == 0 && text.size() >= 2) {
            // A piece of the text itself, possibly starting on a trail byte.
            std::uniform_int_distribution<size_t> from(0, text.size() - 1);
            const size_t start = from(random);
            pattern = text.substr(start, static_cast<size_t>(1 + patternLength(random)));
        } else {
            pattern = RandomPiece(random, static_cast<size_t>(patternLength(random)));
        }
        ASSERT_EQ(FindInText(text.c_str(), pattern.c_str()), ReferenceFind(text, pattern))
            << "round " << round << ": text " << testing::PrintToString(text) << " pattern "
            << testing::PrintToString(pattern);
    }
}

}
