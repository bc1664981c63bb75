// Writes a large, realistic user folder through the store's own Table class,
// so the benchmarks measure files exactly as the program writes them. The
// output depends only on the seed: every run gives the same records.

#include "store/date_key.h"
#include "store/password_scrambler.h"
#include "store/standard_values.h"
#include "store/table.h"
#include "store/table_definitions.h"
#include "store/table_error.h"

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <unordered_set>
#include <vector>

namespace {

using linkvale::Table;
namespace Defs = linkvale::TableDefinitions;

constexpr int kTopFolders = 50;
constexpr int kSubfoldersEach = 19;
constexpr int kBookmarks = 100'000;
constexpr int kPasswords = 20'000;
constexpr int kLists = 2'000;
constexpr int kMembersEach = 25;
constexpr int kEmails = 20'000;

// Our own generator rather than <random>: the standard distributions differ
// between library versions, and the data must not.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [lo, hi].
    int range(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool chance(int percent) { return range(1, 100) <= percent; }
    template <typename List> const auto& pick(const List& list) {
        return list[range(0, static_cast<int>(list.size()) - 1)];
    }

private:
    std::uint64_t state_;
};

const QStringList kSiteWords = {
    "alpine",  "amber",   "anchor",  "apex",   "arrow",   "atlas",  "aurora",  "beacon",  "birch",
    "blue",    "bolt",    "breeze",  "bright", "brook",   "cedar",  "cinder",  "citrus",  "civic",
    "cloud",   "clover",  "cobalt",  "comet",  "coral",   "crest",  "crystal", "daily",   "delta",
    "drift",   "eagle",   "echo",    "ember",  "falcon",  "fern",   "field",   "flint",   "forest",
    "fox",     "frost",   "garden",  "giant",  "glacier", "globe",  "golden",  "granite", "harbor",
    "hazel",   "horizon", "indigo",  "iron",   "island",  "ivory",  "jade",    "juniper", "kettle",
    "lantern", "laurel",  "lemon",   "linden", "lotus",   "lunar",  "maple",   "marble",  "meadow",
    "metro",   "mint",    "nimbus",  "noble",  "north",   "oak",    "ocean",   "olive",   "onyx",
    "orbit",   "orchid",  "pacific", "panda",  "pebble",  "pepper", "pine",    "pixel",   "planet",
    "polar",   "prairie", "prime",   "quartz", "quill",   "rapid",  "raven",   "ridge",   "river",
    "rocket",  "ruby",    "saffron", "sage",   "sierra",  "silver", "sky",     "slate",   "solar",
    "spark",   "spruce",  "star",    "stone",  "summit",  "sun",    "swift",   "tango",   "terra",
    "thunder", "tidal",   "timber",  "topaz",  "trail",   "true",   "tulip",   "union",   "urban",
    "valley",  "vector",  "velvet",  "vista",  "willow",  "winter", "zenith",
};

const QStringList kTopicWords = {
    "recipes",   "guide",    "review",    "news",      "forum",    "tutorial", "howto",
    "prices",    "tickets",  "weather",   "maps",      "hotels",   "flights",  "camera",
    "laptop",    "garden",   "fitness",   "running",   "cycling",  "budget",   "taxes",
    "stocks",    "music",    "guitar",    "piano",     "movies",   "series",   "games",
    "puzzles",   "chess",    "python",    "linux",     "database", "network",  "security",
    "photo",     "travel",   "beaches",   "mountains", "museum",   "history",  "science",
    "space",     "health",   "nutrition", "sleep",     "yoga",     "coffee",   "wine",
    "bread",     "pasta",    "knitting",  "pottery",   "painting", "drawing",  "fonts",
    "hosting",   "email",    "backup",    "printer",   "router",   "phone",    "tablet",
    "insurance", "mortgage", "pension",   "savings",   "school",   "college",  "courses",
    "language",  "spanish",  "french",    "german",    "japanese", "poetry",   "novels",
    "comics",    "podcast",  "radio",     "concerts",  "festival", "theatre",  "opera",
    "football",  "tennis",   "golf",      "sailing",   "fishing",  "camping",  "hiking",
    "birds",     "dogs",     "cats",      "aquarium",  "plants",   "roses",    "tools",
    "repair",    "plumbing", "electrics", "paint",     "kitchen",  "bathroom", "furniture",
    "lamps",     "cars",     "bikes",     "trains",    "buses",    "ferries",  "visas",
};

// A few titles carry non-ASCII letters, as real bookmark titles do.
const QStringList kAccentedWords = {
    "Café",   "Crème",  "Zürich", "München",    "São Paulo", "Kraków", "Malmö",
    "Łódź",   "Señora", "Straße", "Ærøskøbing", "Île",       "Björk",  "Düsseldorf",
    "Ελλάδα", "Москва", "東京",   "Niño",       "Façade",    "Piñata",
};

const QStringList kSentenceWords = {
    "the",      "a",       "good",      "list",     "of",    "for",   "with",   "and",
    "best",     "new",     "free",      "useful",   "notes", "about", "simple", "quick",
    "complete", "page",    "site",      "my",       "our",   "old",   "great",  "local",
    "weekly",   "updated", "official",  "online",   "daily", "cheap", "ideas",  "tips",
    "links",    "advice",  "reference", "examples", "small", "large", "home",   "world",
    "check",    "later",   "again",     "before",   "after", "when",  "order",  "price",
};

const QStringList kTopFolderNames = {
    "Recipes",      "Photography",   "Programming",  "Linux",       "Gardening",     "Cycling",
    "Running",      "Hiking",        "Travel Plans", "Holidays",    "Banking",       "Investing",
    "Taxes",        "Insurance",     "Home Repair",  "Woodworking", "Cars",          "Motorbikes",
    "Music Theory", "Guitar",        "Piano",        "Movies",      "TV Series",     "Board Games",
    "Video Games",  "Chess",         "Books",        "Poetry",      "History",       "Science",
    "Astronomy",    "Health",        "Fitness",      "Nutrition",   "Parenting",     "Pets",
    "Fashion",      "Shopping",      "Jobs",         "Work Tools",  "Design",        "Fonts",
    "Web Hosting",  "Security",      "Databases",    "Newspapers",  "Local Council", "Education",
    "Languages",    "Miscellaneous",
};

const QStringList kSubfolderNames = {
    "Blogs",    "Forums",   "Reference",  "Tutorials", "Shops",     "Tools",     "Videos",
    "Podcasts", "Articles", "Reviews",    "Events",    "Clubs",     "Downloads", "Ideas",
    "To Read",  "Archive",  "Favourites", "Projects",  "Old Links",
};

const QStringList kFirstNames = {"Anna",  "Ben",   "Chloe", "David", "Emma", "Frank", "Grace",
                                 "Henry", "Isla",  "Jack",  "Kate",  "Liam", "Maria", "Noah",
                                 "Olga",  "Peter", "Rosa",  "Sam",   "Tara", "Victor"};
const QStringList kLastNames = {"Adams",    "Baker",  "Clark",  "Dalton",  "Evans",
                                "Fischer",  "Garcia", "Hughes", "Ito",     "Jensen",
                                "Kowalski", "Lopez",  "Moreau", "Novak",   "Olsen",
                                "Patel",    "Quinn",  "Rossi",  "Schmidt", "Turner"};
const QStringList kCompanySuffixes = {"Bank",   "Mail",   "Shop",      "Cloud", "Games",  "Travel",
                                      "Energy", "Mobile", "Insurance", "Books", "Health", "Media"};

const QString kIconFolder = QStringLiteral("/home/guest1/.local/share/linkvale/Bmps/");
const QString kRootFolder; // top-level folders have no parent name

QString capitalised(const QString& word) {
    return word.left(1).toUpper() + word.mid(1);
}

// Words from `pool` joined by blanks, at most `maxLength` characters and
// at least one word.
QString words(Rng& rng, const QStringList& pool, int count, int maxLength) {
    QString text = rng.pick(pool);
    for (int i = 1; i < count; ++i) {
        const QString& word = rng.pick(pool);
        if (text.size() + 1 + word.size() > maxLength)
            break;
        text += QLatin1Char(' ') + word;
    }
    return text.left(maxLength);
}

// The text cut after its last whole word that fits.
QString cutAtWord(const QString& text, int maxLength) {
    if (text.size() <= maxLength)
        return text;
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), maxLength);
    return text.left(blank > 0 ? blank : maxLength);
}

QString sentence(Rng& rng, int minLength, int maxLength) {
    const int length = rng.range(minLength, maxLength);
    QString text = capitalised(rng.pick(kSentenceWords));
    while (text.size() < length) {
        const QString& word = rng.chance(30) ? rng.pick(kTopicWords) : rng.pick(kSentenceWords);
        if (text.size() + 2 + word.size() > maxLength)
            break;
        text += QLatin1Char(' ') + word;
    }
    return text + QLatin1Char('.');
}

QString paragraph(Rng& rng, int minLength, int maxLength) {
    const int length = rng.range(minLength, maxLength);
    QString text;
    while (text.size() + 40 < length) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += sentence(rng, 20, 90);
    }
    return text.isEmpty() ? sentence(rng, 20, 60) : text;
}

// Each draw is its own statement: the order in which function arguments are
// evaluated is unspecified, and the data must not depend on the compiler.
QDateTime moment(Rng& rng, int firstYear, int lastYear) {
    const int year = rng.range(firstYear, lastYear);
    const int month = rng.range(1, 12);
    const int day = rng.range(1, 28);
    const int hour = rng.range(0, 23);
    const int minute = rng.range(0, 59);
    const int second = rng.range(0, 59);
    // UTC: a local time could fall into a daylight-saving gap and move.
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc());
}

QDateTime laterThan(Rng& rng, const QDateTime& start) {
    static const QDateTime end(QDate(2024, 12, 31), QTime(23, 0), QTimeZone::utc());
    const int days = rng.range(0, static_cast<int>(std::max<qint64>(0, start.daysTo(end))));
    const int seconds = rng.range(0, 3600);
    return start.addDays(days).addSecs(seconds);
}

// A generated value longer than its field would be cut by the table: that
// is a fault of this generator, not data.
void put(Table& table, const char* name, const QVariant& value) {
    const int index = table.fieldIndex(QLatin1String(name));
    if (index < 0)
        throw std::logic_error(std::string("no field ") + name);
    const linkvale::FieldDef& def = table.fields().at(index);
    if (def.type == linkvale::FieldType::Text && value.toString().size() > def.size)
        throw std::logic_error(std::string("value too long for field ") + name + ": " +
                               value.toString().toStdString());
    table.setField(index, value);
}

QString priority(Rng& rng) {
    // Most bookmarks keep the default; few are marked for deletion or as gems.
    static const int weights[] = {3, 4, 8, 10, 40, 12, 10, 6, 4, 3};
    int roll = rng.range(1, 100);
    for (int i = 0; i < 10; ++i) {
        roll -= weights[i];
        if (roll <= 0)
            return linkvale::PRIORITY_ARR().at(i + 1);
    }
    return linkvale::defaultPriority();
}

struct Folder {
    qint64 id;
    QString parent;
    QString name;
    int homeGroup; // the group most of its bookmarks are filed under
};

struct Bookmark {
    QString name;
    QString url;
};

class Generator {
public:
    explicit Generator(const QString& folder) : folder_(folder), rng_(0x4C696E6B76616C65ull) {}

    void run() {
        writeGroups();
        writeFolders();
        writeBookmarks();
        writePasswords();
        writeLists();
        writeEmails();
    }

private:
    // Table cannot be moved, so each one lives in this frame and is filled there.
    template <typename Fill> void write(const linkvale::TableDefinition& definition, Fill fill) {
        Table table(definition);
        table.setFileName(QDir(folder_).filePath(definition.fileName));
        table.createEmpty();
        fill(table);
        table.close();
        std::fprintf(stderr, "%s: %d records\n", qPrintable(definition.fileName), count_);
    }

    QString group(int home) {
        const QStringList& groups = linkvale::defaultGroupNames();
        return rng_.chance(75) ? groups.at(home) : rng_.pick(groups);
    }

    struct Site {
        QString word;
        QString host; // the word and a number: many sites share a word
    };

    Site site() {
        const QString& word = rng_.pick(kSiteWords);
        return {word, word + QString::number(rng_.range(1, 400))};
    }

    static QString siteUrl(const Site& site, const QString& path) {
        return QStringLiteral("https://www.") + site.host + QStringLiteral(".com/") + path;
    }

    // A URL no earlier bookmark has, so every looked-up URL names one record.
    QString uniqueUrl(Site* chosen) {
        for (;;) {
            QString path = rng_.pick(kTopicWords);
            const int segments = rng_.range(0, 2);
            for (int i = 0; i < segments; ++i)
                path += QLatin1Char('/') + rng_.pick(kTopicWords);
            switch (rng_.range(0, 3)) {
            case 0:
                path += QStringLiteral("/index.html");
                break;
            case 1:
                path += QStringLiteral("?id=") + QString::number(rng_.range(1, 99999));
                break;
            case 2: {
                const int year = rng_.range(2000, 2024);
                const QString& topic = rng_.pick(kTopicWords);
                const QString& word = rng_.pick(kSentenceWords);
                path += QStringLiteral("/%1/%2-%3").arg(year).arg(topic, word);
                break;
            }
            default:
                break;
            }
            *chosen = site();
            QString url = siteUrl(*chosen, path);
            if (usedUrls_.insert(url.toStdString()).second)
                return url;
        }
    }

    QString title(const Site& where) {
        const QString siteName = capitalised(where.word);
        QString text = words(rng_, kTopicWords, rng_.range(1, 5), 80);
        QStringList parts = text.split(QLatin1Char(' '));
        for (QString& part : parts)
            part = capitalised(part);
        text = parts.join(QLatin1Char(' '));
        if (rng_.chance(3))
            text = rng_.pick(kAccentedWords) + QLatin1Char(' ') + text;
        if (rng_.chance(10))
            text = text.toLower(); // titles as some pages set them
        return rng_.chance(50) ? text + QStringLiteral(" - ") + siteName
                               : siteName + QStringLiteral(" | ") + text;
    }

    void writeGroups() {
        write(Defs::groups(), [&](Table& t) {
            count_ = 0;
            for (const QString& name : linkvale::defaultGroupNames()) {
                t.append();
                put(t, "GroupName", name);
                put(t, "Description", name + QStringLiteral(" Description"));
                put(t, "DateCreated", linkvale::FlopDate(moment(rng_, 2006, 2006)));
                t.post();
                ++count_;
            }
        });
    }

    void writeFolders() {
        const int groupCount = static_cast<int>(linkvale::defaultGroupNames().size());
        write(Defs::folders(), [&](Table& t) {
            count_ = 0;
            for (int top = 0; top < kTopFolders; ++top) {
                const QDateTime created = moment(rng_, 2006, 2012);
                t.append();
                const qint64 topId = t.field(QStringLiteral("ID")).toLongLong();
                put(t, "ParentFldr", kRootFolder);
                put(t, "Folder", kTopFolderNames.at(top));
                put(t, "PrntFolderID", 0);
                put(t, "DateCreated", created);
                put(t, "BookOrEMail", QStringLiteral("B"));
                t.post();
                const int home = top % groupCount;
                folders_.push_back({topId, kRootFolder, kTopFolderNames.at(top), home});
                ++count_;
                for (int sub = 0; sub < kSubfoldersEach; ++sub) {
                    t.append();
                    const qint64 id = t.field(QStringLiteral("ID")).toLongLong();
                    put(t, "ParentFldr", kTopFolderNames.at(top));
                    put(t, "Folder", kSubfolderNames.at(sub));
                    put(t, "PrntFolderID", topId);
                    put(t, "DateCreated", laterThan(rng_, created));
                    put(t, "BookOrEMail", QStringLiteral("B"));
                    t.post();
                    folders_.push_back(
                        {id, kTopFolderNames.at(top), kSubfolderNames.at(sub), home});
                    ++count_;
                }
            }
        });
    }

    void fileUnder(Table& t, const Folder& folder, const char* parentField) {
        put(t, parentField, folder.parent);
        put(t, "Folder", folder.name);
        put(t, "FolderID", folder.id);
    }

    void writeBookmarks() {
        const int perFolder = kBookmarks / static_cast<int>(folders_.size());
        write(Defs::urls(), [&](Table& t) {
            count_ = 0;
            for (const Folder& folder : folders_) {
                for (int i = 0; i < perFolder; ++i) {
                    Site where;
                    const QString url = uniqueUrl(&where);
                    const QString name = title(where);
                    const QDateTime created = moment(rng_, 2006, 2024);
                    t.append();
                    put(t, "LocationName", name);
                    put(t, "URL", url);
                    if (!rng_.chance(10))
                        put(t, "Description", sentence(rng_, 20, 140));
                    put(t, "URLIconLoct", kIconFolder + QStringLiteral("web.png"));
                    put(t, "Group", group(folder.homeGroup));
                    put(t, "Priority", priority(rng_));
                    put(t, "Search1", rng_.pick(kTopicWords));
                    if (rng_.chance(70))
                        put(t, "Search2", rng_.pick(kTopicWords));
                    if (rng_.chance(15))
                        put(t, "URLMemo", paragraph(rng_, 80, 600));
                    fileUnder(t, folder, "ParentFldr");
                    put(t, "DateCreated", linkvale::FlopDate(created));
                    put(t, "LastUpdated", laterThan(rng_, created));
                    t.post();
                    bookmarks_.push_back({name, url});
                    ++count_;
                }
            }
        });
    }

    QString password() {
        // Characters the scrambler keeps; a dropped one would change the password.
        static const QString allowed =
            QStringLiteral("abcdefghijkmnopqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789!#$%&*+-=?@_");
        QString plain;
        const int length = rng_.range(8, 16);
        for (int i = 0; i < length; ++i)
            plain += allowed.at(rng_.range(0, static_cast<int>(allowed.size()) - 1));
        return linkvale::passwordScrambler().ConvertPassword(plain);
    }

    QString userId() {
        const QString first = rng_.pick(kFirstNames).toLower();
        const QString last = rng_.pick(kLastNames).toLower();
        switch (rng_.range(0, 2)) {
        case 0:
            return first.left(1) + last + QString::number(rng_.range(1, 99));
        case 1:
            return first + QLatin1Char('.') + last;
        default:
            return first + QLatin1Char('@') + rng_.pick(kSiteWords) + QStringLiteral(".com");
        }
    }

    void writePasswords() {
        write(Defs::passwords(), [&](Table& t) {
            count_ = 0;
            for (int i = 0; i < kPasswords; ++i) {
                const Folder& folder = rng_.pick(folders_);
                const Site where = site();
                const QString company =
                    capitalised(where.word) + QLatin1Char(' ') + rng_.pick(kCompanySuffixes);
                const QDateTime created = moment(rng_, 2006, 2024);
                t.append();
                put(t, "CompanyName", company);
                put(t, "URLPassName",
                    rng_.chance(50) ? company + QStringLiteral(" Login")
                                    : QStringLiteral("Sign in - ") + company);
                put(t, "URLPassLoct",
                    siteUrl(where, rng_.chance(50) ? QStringLiteral("login")
                                                   : QStringLiteral("account/signin")));
                put(t, "PassDescrp", sentence(rng_, 15, 120));
                put(t, "UserID", userId());
                put(t, "Password", password());
                put(t, "PassIconLoct", kIconFolder + QStringLiteral("Password.png"));
                put(t, "Group", group(folder.homeGroup));
                put(t, "Priority", priority(rng_));
                put(t, "Search1", rng_.pick(kTopicWords));
                if (rng_.chance(50))
                    put(t, "Search2", rng_.pick(kTopicWords));
                if (rng_.chance(20))
                    put(t, "PassMemo", paragraph(rng_, 60, 300));
                fileUnder(t, folder, "ParentFolder");
                put(t, "DateCreated", linkvale::FlopDate(created));
                put(t, "LastUpdated", laterThan(rng_, created));
                t.post();
                ++count_;
            }
        });
    }

    QString uniqueListName() {
        for (;;) {
            const QString& word = rng_.pick(kSiteWords);
            const QString& topic = rng_.pick(kTopicWords);
            QString name = capitalised(word) + QLatin1Char(' ') + capitalised(topic);
            if (rng_.chance(50))
                name += QLatin1Char(' ') + QString::number(rng_.range(1, 99));
            if (name.size() <= 25 && usedListNames_.insert(name.toStdString()).second)
                return name;
        }
    }

    void writeLists() {
        std::vector<std::pair<QString, QDateTime>> lists;
        write(Defs::lists(), [&](Table& t) {
            count_ = 0;
            for (int i = 0; i < kLists; ++i) {
                const QString name = uniqueListName();
                const QDateTime created = moment(rng_, 2006, 2024);
                const bool autoRun = rng_.chance(10);
                const bool repeat = autoRun && rng_.chance(50);
                t.append();
                put(t, "ListName", name);
                put(t, "ListDescription", sentence(rng_, 15, 140));
                put(t, "ListIcon", kIconFolder + QStringLiteral("List.png"));
                if (rng_.chance(20))
                    put(t, "ListComment", paragraph(rng_, 60, 400));
                put(t, "Group", group(rng_.range(0, 12)));
                put(t, "Priority", priority(rng_));
                // The leading blank matches the program's choice lists.
                const int hour = rng_.range(1, 12);
                const int quarter = rng_.range(0, 3);
                const bool morning = rng_.chance(50);
                put(t, "StartTime",
                    QStringLiteral(" %1:%2 %3")
                        .arg(hour)
                        .arg(quarter * 15, 2, 10, QLatin1Char('0'))
                        .arg(morning ? QStringLiteral("AM") : QStringLiteral("PM")));
                static const int kMinutes[] = {1, 2, 3, 5, 8};
                const int minutes = kMinutes[rng_.range(0, 4)];
                put(t, "RunTime",
                    QStringLiteral(" %1 Minute%2")
                        .arg(minutes)
                        .arg(minutes == 1 ? QString() : QStringLiteral("s")));
                put(t, "Repeat", repeat);
                put(t, "AutoRun", autoRun);
                put(t, "DateCreated", linkvale::FlopDate(created));
                put(t, "LastUpdated", laterThan(rng_, created));
                t.post();
                lists.emplace_back(name, created);
                ++count_;
            }
        });
        write(Defs::listMembers(), [&](Table& t) {
            count_ = 0;
            for (const auto& [name, created] : lists) {
                for (int i = 0; i < kMembersEach; ++i) {
                    const Bookmark& member = rng_.pick(bookmarks_);
                    t.append();
                    put(t, "ListName", name);
                    put(t, "URLName", member.name);
                    put(t, "URLLocation", member.url);
                    put(t, "DateCreated", linkvale::FlopDate(laterThan(rng_, created)));
                    t.post();
                    ++count_;
                }
            }
        });
    }

    void writeEmails() {
        write(Defs::email(), [&](Table& t) {
            count_ = 0;
            for (int i = 0; i < kEmails; ++i) {
                const Bookmark& link = rng_.pick(bookmarks_);
                const bool sent = rng_.chance(40);
                const QString first = rng_.pick(kFirstNames);
                const QString last = rng_.pick(kLastNames);
                const QDateTime sentAt = moment(rng_, 2006, 2024);
                const QDate day = sentAt.date();
                t.append();
                put(t, "UrlName", cutAtWord(link.name, 50));
                put(t, "Url", link.url);
                put(t, "FrmAddr",
                    first.toLower() + QLatin1Char('.') + last.toLower() + QLatin1Char('@') +
                        rng_.pick(kSiteWords) + QStringLiteral("mail.com"));
                put(t, "FrmName", first + QLatin1Char(' ') + last);
                put(t, "Subject", sentence(rng_, 10, 80));
                put(t, "SentReceived", sent ? QStringLiteral("S") : QStringLiteral("R"));
                put(t, "MsgDate", day);
                put(t, "Message", paragraph(rng_, 150, 900));
                if (rng_.chance(10))
                    put(t, "Attchments",
                        QStringLiteral("/home/user/Documents/") + rng_.pick(kTopicWords) +
                            QStringLiteral(".pdf"));
                put(t, "Group", group(rng_.range(0, 12)));
                put(t, "Priority", priority(rng_));
                put(t, "IconPath",
                    kIconFolder +
                        (sent ? QStringLiteral("Send.png") : QStringLiteral("EMail.png")));
                put(t, "DateCreated", linkvale::FlopDate(sentAt));
                put(t, "LastUpdated", laterThan(rng_, sentAt));
                put(t, "MsgDateFlop",
                    linkvale::FlopDate(QDateTime(day, QTime(0, 0), QTimeZone::utc())));
                put(t, "Search1", rng_.pick(kTopicWords));
                if (rng_.chance(40))
                    put(t, "Search2", rng_.pick(kTopicWords));
                t.post();
                ++count_;
            }
        });
    }

    QString folder_;
    Rng rng_;
    int count_ = 0;
    std::vector<Folder> folders_;
    std::vector<Bookmark> bookmarks_;
    std::unordered_set<std::string> usedUrls_;
    std::unordered_set<std::string> usedListNames_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        Generator(folder).run();
    } catch (const linkvale::TableError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
