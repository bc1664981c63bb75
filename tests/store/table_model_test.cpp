// Random edits against a plain model: the table keeps its orders and filtered
// views up to date record by record, so every step is compared with a model
// that sorts and filters from scratch.
#include "store/table.h"
#include "store/text_order.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

struct ModelRecord {
    int id;
    std::optional<QString> name;
    std::optional<int> count;
};

int compareName(const ModelRecord& a, const ModelRecord& b) {
    return compareTextOrder(a.name.value_or(QString()).toStdString(),
                            b.name.value_or(QString()).toStdString());
}

int compareCount(const ModelRecord& a, const ModelRecord& b) {
    if (!a.count || !b.count)
        return int(a.count.has_value()) - int(b.count.has_value());
    return (*a.count > *b.count) - (*a.count < *b.count);
}

struct SortChoice {
    QString key;
    std::vector<int (*)(const ModelRecord&, const ModelRecord&)> compare;
};

struct FilterChoice {
    QString expression;
    bool (*passes)(const ModelRecord&);
};

TEST(TableModel, RandomEditsKeepOrderFilterAndCursorRightAndSurviveAFile) {
    const QString names[] = {"b", "B", "a", "", "ä", "beta", "Alpha"};
    const SortChoice sorts[] = {
        {QString(), {}},
        {"Name", {compareName}},
        {"Count;Name", {compareCount, compareName}},
        {"Name;Count", {compareName, compareCount}},
    };
    const FilterChoice filters[] = {
        {QString(), [](const ModelRecord&) { return true; }},
        {"[Count] >= '3'", [](const ModelRecord& r) { return r.count && *r.count >= 3; }},
        {"[Name] = 'b'", [](const ModelRecord& r) { return r.name == QStringLiteral("b"); }},
        {"[Name] >= 'b' AND [Count] <= '4'",
         [](const ModelRecord& r) {
             return compareTextOrder(r.name.value_or(QString()).toStdString(), "b") >= 0 &&
                    (!r.count || *r.count <= 4);
         }},
    };

    QTemporaryDir dir;
    Table table(everyKindDefinition());
    table.setFileName(dir.filePath(QStringLiteral("Model.cds")));
    table.createEmpty();
    std::vector<ModelRecord> model;
    const SortChoice* sort = &sorts[0];
    const FilterChoice* filter = &filters[0];
    std::mt19937 random(12345);
    int nextId = 1;

    const auto expectedIds = [&] {
        std::vector<ModelRecord> visible;
        for (const ModelRecord& r : model)
            if (filter->passes(r))
                visible.push_back(r);
        std::stable_sort(visible.begin(), visible.end(),
                         [&](const ModelRecord& a, const ModelRecord& b) {
                             for (auto compare : sort->compare)
                                 if (const int c = compare(a, b); c != 0)
                                     return c < 0;
                             return false;
                         });
        QStringList ids;
        for (const ModelRecord& r : visible)
            ids << QString::number(r.id);
        return ids;
    };
    const auto randomName = [&]() -> std::optional<QString> {
        const auto pick = random() % 8;
        return pick == 7 ? std::nullopt : std::optional<QString>(names[pick]);
    };
    const auto randomCount = [&]() -> std::optional<int> {
        const int pick = static_cast<int>(random() % 7);
        return pick == 6 ? std::nullopt : std::optional<int>(pick);
    };
    const auto setFields = [&](const ModelRecord& r) {
        table.setField(QStringLiteral("Name"), r.name ? QVariant(*r.name) : QVariant());
        table.setField(QStringLiteral("Count"), r.count ? QVariant(*r.count) : QVariant());
    };

    for (int step = 0; step < 3000; ++step) {
        const auto action = random() % 10;
        if (action < 4 || model.empty()) {
            ModelRecord r{nextId++, randomName(), randomCount()};
            table.append();
            setFields(r);
            table.post();
            model.push_back(r);
            if (filter->passes(r)) {
                ASSERT_EQ(table.field(0).toInt(), r.id) << "a posted record that passes is current";
            }
        } else if (action < 7) {
            ModelRecord& r = model[random() % model.size()];
            table.setFilter(QString());
            ASSERT_TRUE(table.locate(QStringLiteral("ID"), r.id));
            table.setFilter(filter->expression);
            ASSERT_TRUE(table.locate(QStringLiteral("ID"), r.id) == filter->passes(r));
            if (!filter->passes(r))
                continue;
            r.name = randomName();
            r.count = randomCount();
            table.edit();
            setFields(r);
            table.post();
        } else if (action < 8) {
            const auto at = model.begin() + static_cast<long>(random() % model.size());
            if (!table.locate(QStringLiteral("ID"), at->id))
                continue;
            table.deleteRecord();
            model.erase(at);
        } else if (action < 9) {
            sort = &sorts[random() % std::size(sorts)];
            table.setSortKey(sort->key);
        } else {
            filter = &filters[random() % std::size(filters)];
            table.setFilter(filter->expression);
        }
        if (getenv("MODEL_TRACE"))
            fprintf(stderr, "step %d action %d sort %s filter %s\n", step, int(action),
                    qPrintable(sort->key), qPrintable(filter->expression));
        ASSERT_EQ(walk(table, QStringLiteral("ID")), expectedIds()) << "step " << step;
    }

    table.close();
    table.open();
    ASSERT_EQ(walk(table, QStringLiteral("ID")), expectedIds()) << "after saving and opening";
}

} // namespace
