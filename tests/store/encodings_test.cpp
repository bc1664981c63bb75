#include "store/date_key.h"
#include "store/password_scrambler.h"
#include "store/text_search.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace linkvale;

TEST(DateKey, FlopDatePadsMonthAndDayButNotTheTime) {
    struct Case {
        QDateTime moment;
        const char* key;
    };
    const Case cases[] = {
        {{QDate(2025, 1, 1), QTime(0, 0, 0)}, "20250101000"},
        {{QDate(2025, 1, 1), QTime(23, 59, 59)}, "20250101235959"},
        {{QDate(2024, 3, 5), QTime(9, 7, 3)}, "20240305973"},
        {{QDate(2024, 12, 25), QTime(14, 30, 45, 999)}, "20241225143045"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlopDate(c.moment), QLatin1String(c.key)) << c.key;
}

TEST(DateKey, UnFlopDateShowsTheTimeWheneverTheKeyAllowsOnlyOneReading) {
    struct Case {
        const char* key;
        const char* shown;
    };
    const Case cases[] = {
        {"20250101235959", "01/01/2025 23:59"}, {"20241225143045", "12/25/2024 14:30"},
        {"20250101000", "01/01/2025 :"},        // a pure date
        {"20240305973", "03/05/2024 09:07"},    // 09:07:03, which the positions cannot split
        {"202403051073", "03/05/2024 10:07"},   // 10:07:03, by position it would read 10:73
        {"2024030511111", "03/05/2024 :"},      // 1:11:11, 11:1:11 or 11:11:1
        {"202403051010", "03/05/2024 :"},       // 1:0:10 or 10:1:0
        {"2024030523590", "03/05/2024 23:59"},  // 23:59:0 is the only reading
        {"20240305", "03/05/2024 :"},           // no time part at all
        {"20240305999999", "03/05/2024 99:99"}, // no moment makes it: shown by position
        {"20240305ab12", "03/05/2024 ab:12"},   {"", "// :"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnFlopDate(QLatin1String(c.key)), QLatin1String(c.shown)) << c.key;
}

TEST(DateKey, EveryMomentOfADayReadsBackToItsOwnTimeOrToNone) {
    // Every second of a day: the display never shows a wrong hour and minute.
    const QDate day(2026, 12, 11);
    int shownWithTime = 0;
    for (int second = 0; second < 24 * 3600; ++second) {
        const QTime time = QTime(0, 0).addSecs(second);
        const QString shown = UnFlopDate(FlopDate(QDateTime(day, time)));
        const QString expected = time.toString(QStringLiteral("HH:mm"));
        if (shown != QStringLiteral("12/11/2026 :")) {
            ASSERT_EQ(shown, QStringLiteral("12/11/2026 ") + expected)
                << time.toString().toStdString();
            ++shownWithTime;
        }
    }
    EXPECT_GT(shownWithTime, 24 * 3600 / 2) << "most moments keep their time";
}

TEST(PasswordScrambler, TablesPairTheSame92PrintableCharactersOneToOne) {
    const PasswordScrambler& scrambler = passwordScrambler();
    QSet<QChar> plain;
    QSet<QChar> scrambled;
    for (int i = 1; i <= PasswordScrambler::TOTCNV_COUNT; ++i) {
        plain.insert(scrambler.alphaArr()[i]);
        scrambled.insert(scrambler.alphCnvArr()[i]);
        EXPECT_TRUE(scrambler.alphaArr()[i].isPrint()) << i;
    }
    EXPECT_EQ(plain.size(), 92);
    EXPECT_EQ(plain, scrambled);
    EXPECT_TRUE(scrambler.alphaArr()[0].isNull());
}

TEST(PasswordScrambler, ScramblingRoundTripsAndDropsCharactersOutsideTheTable) {
    const PasswordScrambler& scrambler = passwordScrambler();
    QString everyCharacter;
    for (int i = 1; i <= PasswordScrambler::TOTCNV_COUNT; ++i)
        everyCharacter.append(scrambler.alphaArr()[i]);

    struct Case {
        QString plain;
        QString unscrambled;
    };
    const Case cases[] = {
        {everyCharacter, everyCharacter},
        {QStringLiteral("correct horse 42!"), QStringLiteral("correct horse 42!")},
        {QString(), QString()},
        {QStringLiteral("caf\u00e9"), QStringLiteral("caf")},  // accented letter dropped
        {QStringLiteral("a\"b\\c`d"), QStringLiteral("abcd")}, // the three left out
    };
    for (const Case& c : cases) {
        const QString stored = scrambler.ConvertPassword(c.plain);
        EXPECT_EQ(stored.size(), c.unscrambled.size());
        EXPECT_EQ(scrambler.UnConvertPassword(stored), c.unscrambled) << c.plain.toStdString();
    }
    EXPECT_NE(scrambler.ConvertPassword(everyCharacter), everyCharacter);
    EXPECT_EQ(scrambler.UnConvertPassword(QString()), QString());
}

TEST(TextSearch, InStrRevFindsTheLastCharacter) {
    struct Case {
        const char* text;
        char c;
        int expected;
    };
    const Case cases[] = {
        {"C:\\a\\b.url", '\\', 5}, {"C:\\a\\b.url", '/', -1}, {"", 'a', -1}, {"a", 'a', 1},
        {"abca", 'a', 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InStrRev(QLatin1String(c.text), QLatin1Char(c.c)), c.expected) << c.text;
}

TEST(TextSearch, InStrRev2FindsTheLastWholeOccurrence) {
    struct Case {
        const char* text;
        const char* sought;
        int expected;
    };
    const Case cases[] = {
        {"a.b.c", ".", 4}, {"abc", "bcd", -1}, {"abc", "", 3},        {"", "", -1},
        {"", "a", -1},     {"aaaa", "aa", 3},  {"x/y/z.url", "/", 4}, {"abc", "abc", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InStrRev2(QLatin1String(c.text), QLatin1String(c.sought)), c.expected)
            << c.text << " / " << c.sought;
}
