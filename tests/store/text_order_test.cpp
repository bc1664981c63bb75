#include "store/text_order.h"

#include <gtest/gtest.h>

using linkvale::compareTextOrder;

TEST(TextOrder, FoldsCaseFirstAndExactTextSecond) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"apple", "Banana", -1}, // case-folded order beats byte order ('B' < 'a')
        {"Apple", "apple", -1},  // equal folded: exact order decides
        {"apple", "apple", 0},   {"", "a", -1},
        {"abc", "ab", 1},        {"Émile", "emile", 1}, // É folds to é, which sorts after e
        {"émile", "Émile", 1},                          // same folded text: exact bytes decide
        {"zebra", "Ärger", -1}, // non-ASCII letters sort after ASCII letters
        {"ÄRGER", "ärger", -1},  {"straße", "STRASSE", 1},
    };
    for (const Case& c : cases) {
        const int got = compareTextOrder(c.a, c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.expected) << c.a << " vs " << c.b;
        const int back = compareTextOrder(c.b, c.a);
        EXPECT_EQ((back > 0) - (back < 0), -c.expected) << c.b << " vs " << c.a;
    }
}
