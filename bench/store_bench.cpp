// Store benchmarks. Each figure times our code ("ours") and the plainest way
// to do the same job with SQLite alone ("floor") in the same run, on the same
// rows, and prints their ratio, so the figure means the same on any machine.
//
//   linkvale_bench [--data <user folder>] [figure name prefix]
//
// stdout carries only "figure=<name> ratio=<ours/floor> target=<target>"
// lines; the times behind them go to stderr.

#include "store/table.h"
#include "store/table_definitions.h"
#include "store/table_error.h"
#include "store/text_order.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef LINKVALE_BENCH_DATA
#define LINKVALE_BENCH_DATA "bench/data/user"
#endif

namespace {

using linkvale::Table;
namespace Defs = linkvale::TableDefinitions;

// --- what every figure shares ----------------------------------------------

struct Setting {
    QString dataFolder;
    QString workFolder; // scratch files, removed on exit
    std::string executable;
};
Setting setting;

QString userFile(const QString& name) {
    return QDir(setting.dataFolder).filePath(name);
}
QString urlsFile() {
    return userFile(QStringLiteral("Urls.cds"));
}

// A private copy, for figures that change the table: the data folder is
// shared by every run and must stay as generated.
QString workCopy(const QString& source, const QString& name) {
    const QString target = QDir(setting.workFolder).filePath(name);
    QFile::remove(target);
    if (!QFile::copy(source, target))
        throw std::runtime_error("cannot copy " + source.toStdString());
    return target;
}

void check(bool condition, const std::string& what) {
    if (!condition)
        throw std::runtime_error(what);
}

template <typename Job> double secondsOf(Job&& job) {
    const auto start = std::chrono::steady_clock::now();
    job();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times both sides of a figure, alternating which runs first so neither
// always finds the warmer caches. Returns {ours, floor} in seconds.
template <typename Ours, typename Floor>
std::pair<double, double> timeBoth(int& round, Ours&& ours, Floor&& floor) {
    if (round++ % 2) {
        const double floorTime = floor();
        return {ours(), floorTime};
    }
    const double oursTime = ours();
    return {oursTime, floor()};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Per-iteration times of both sides; the figure uses their medians, which a
// single disturbed iteration does not move.
class Pair {
public:
    void add(benchmark::State& state, double ours, double floor) {
        ours_.push_back(ours);
        floor_.push_back(floor);
        state.SetIterationTime(ours + floor);
    }
    void report(benchmark::State& state) const {
        if (ours_.empty())
            return;
        state.counters["ours"] = median(ours_);
        state.counters["floor"] = median(floor_);
    }

private:
    std::vector<double> ours_;
    std::vector<double> floor_;
};

// --- bare SQLite, for the floors --------------------------------------------

class Db {
public:
    Db(const std::string& path, int flags) {
        if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(db_);
            sqlite3_close_v2(db_);
            throw std::runtime_error("sqlite: " + path + ": " + message);
        }
    }
    ~Db() { sqlite3_close_v2(db_); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    sqlite3* get() const { return db_; }
    void exec(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql);
    }
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("sqlite: " + what + ": " + sqlite3_errmsg(db_));
    }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Db& db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
            db.fail(sql);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return statement_; }
    bool step() {
        const int rc = sqlite3_step(statement_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            db_.fail("step");
        return rc == SQLITE_ROW;
    }
    void reset() { sqlite3_reset(statement_); }

private:
    Db& db_;
    sqlite3_stmt* statement_ = nullptr;
};

std::string columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text,
                              static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
                : std::string();
}

// The statement that made the records table of a table file.
std::string recordsSchema(const std::string& path) {
    Db db(path, SQLITE_OPEN_READONLY);
    Statement schema(db, "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'records'");
    check(schema.step(), "no records table in " + path);
    return columnText(schema.get(), 0);
}

using TextRows = std::vector<std::vector<std::string>>;

TextRows readAllRows(const std::string& path) {
    Db db(path, SQLITE_OPEN_READONLY);
    Statement select(db, "SELECT * FROM records");
    const int columns = sqlite3_column_count(select.get());
    TextRows rows;
    while (select.step()) {
        std::vector<std::string> row;
        row.reserve(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i)
            row.push_back(columnText(select.get(), i));
        rows.push_back(std::move(row));
    }
    return rows;
}

// A stored value as SQLite handed it out, to be written back unchanged.
struct Cell {
    int kind = SQLITE_NULL;
    sqlite3_int64 number = 0;
    std::string text;
};
using TypedRows = std::vector<std::vector<Cell>>;

TypedRows readTypedRows(const std::string& path) {
    Db db(path, SQLITE_OPEN_READONLY);
    Statement select(db, "SELECT * FROM records");
    const int columns = sqlite3_column_count(select.get());
    TypedRows rows;
    while (select.step()) {
        std::vector<Cell> row(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i) {
            Cell& cell = row[static_cast<std::size_t>(i)];
            cell.kind = sqlite3_column_type(select.get(), i);
            if (cell.kind == SQLITE_INTEGER)
                cell.number = sqlite3_column_int64(select.get(), i);
            else if (cell.kind != SQLITE_NULL)
                cell.text = columnText(select.get(), i);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void writeRows(const std::string& path, const std::string& schema, const TypedRows& rows) {
    Db db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db.exec(schema);
    db.exec("BEGIN");
    const std::size_t columns = rows.empty() ? 0 : rows.front().size();
    std::string sql = "INSERT INTO records VALUES (";
    for (std::size_t i = 0; i < columns; ++i)
        sql += i ? ",?" : "?";
    Statement insert(db, sql + ")");
    sqlite3_stmt* statement = insert.get();
    for (const std::vector<Cell>& row : rows) {
        for (std::size_t i = 0; i < columns; ++i) {
            const Cell& cell = row[i];
            const int slot = static_cast<int>(i) + 1;
            if (cell.kind == SQLITE_NULL)
                sqlite3_bind_null(statement, slot);
            else if (cell.kind == SQLITE_INTEGER)
                sqlite3_bind_int64(statement, slot, cell.number);
            else
                sqlite3_bind_text(statement, slot, cell.text.data(),
                                  static_cast<int>(cell.text.size()), SQLITE_STATIC);
        }
        insert.step();
        insert.reset();
    }
    db.exec("COMMIT");
}

sqlite3_int64 countRows(const std::string& path) {
    Db db(path, SQLITE_OPEN_READONLY);
    Statement count(db, "SELECT count(*) FROM records");
    check(count.step(), "count");
    return sqlite3_column_int64(count.get(), 0);
}

// --- the figures ------------------------------------------------------------

void openFigure(benchmark::State& state) {
    const QString file = urlsFile();
    const std::string path = QFile::encodeName(file).toStdString();
    Pair pair;
    int round = 0;
    for (auto _ : state) {
        Table table(Defs::urls());
        table.setFileName(file);
        TextRows rows;
        const auto ours = [&] { return secondsOf([&] { table.open(); }); };
        const auto floor = [&] { return secondsOf([&] { rows = readAllRows(path); }); };
        const auto [oursTime, floorTime] = timeBoth(round, ours, floor);
        check(table.recordCount() == static_cast<int>(rows.size()) && rows.size() >= 100'000,
              "open: the table and SQLite disagree on the number of records");
        pair.add(state, oursTime, floorTime);
    }
    pair.report(state);
}

void saveFigure(benchmark::State& state) {
    const QString file = workCopy(urlsFile(), QStringLiteral("Urls.cds"));
    const std::string floorPath =
        QFile::encodeName(QDir(setting.workFolder).filePath(QStringLiteral("floor_save.db")))
            .toStdString();
    const std::string source = QFile::encodeName(file).toStdString();
    const std::string schema = recordsSchema(source);
    const TypedRows rows = readTypedRows(source);

    Table table(Defs::urls());
    table.setFileName(file);
    table.open();
    Pair pair;
    int round = 0;
    for (auto _ : state) {
        // A table that holds what its file holds has nothing to save.
        table.first();
        table.edit();
        table.setField(QStringLiteral("Description"), QStringLiteral("Saved %1").arg(round));
        table.post();
        std::remove(floorPath.c_str());
        const auto ours = [&] { return secondsOf([&] { table.save(); }); };
        const auto floor = [&] { return secondsOf([&] { writeRows(floorPath, schema, rows); }); };
        const auto [oursTime, floorTime] = timeBoth(round, ours, floor);
        check(!table.isModified(), "save: the table is still modified after saving");
        pair.add(state, oursTime, floorTime);
    }
    check(countRows(source) == static_cast<sqlite3_int64>(rows.size()) &&
              countRows(floorPath) == static_cast<sqlite3_int64>(rows.size()),
          "save: a written file lacks records");
    Table reread(Defs::urls());
    reread.setFileName(file);
    reread.open();
    check(reread.locate(QStringLiteral("Description"), QStringLiteral("Saved %1").arg(round - 1)),
          "save: the last edit is not in the saved file");
    pair.report(state);
}

void resortFigure(benchmark::State& state) {
    Table table(Defs::urls());
    table.setFileName(workCopy(urlsFile(), QStringLiteral("Urls_resort.cds")));
    table.open();
    table.setSortKey(QStringLiteral("URL"));
    Pair pair;
    int round = 0;
    for (auto _ : state) {
        // Any change drops the cached orders of the keys not in use.
        for (int i = 0; i < 997; ++i)
            table.next();
        table.edit();
        table.setField(QStringLiteral("Description"), QStringLiteral("Resorted %1").arg(round++));
        table.post();
        const QVariant current = table.field(QStringLiteral("ID"));
        const double fullSort =
            secondsOf([&] { table.setSortKey(QStringLiteral("LocationName")); });
        check(table.field(QStringLiteral("ID")) == current,
              "resort: the cursor left its record on a change of order");
        const double back = secondsOf([&] { table.setSortKey(QStringLiteral("URL")); });
        check(table.field(QStringLiteral("ID")) == current,
              "resort: the cursor left its record on a change of order");
        pair.add(state, back, fullSort);
    }
    // The order switched back to must still be the order of the key.
    std::string previous;
    int records = 0;
    for (table.first(); !table.atEnd(); table.next(), ++records) {
        const std::string url = table.text(QStringLiteral("URL")).toStdString();
        check(linkvale::compareTextOrder(previous, url) <= 0, "resort: records out of URL order");
        previous = url;
    }
    check(records == table.recordCount(), "resort: the walk missed records");
    pair.report(state);
}

void locateFigure(benchmark::State& state) {
    const QString file = urlsFile();
    Table table(Defs::urls());
    table.setFileName(file);
    table.open();
    // Every 100th record in stored order: spread over the whole key range.
    QStringList keys;
    int index = 0;
    for (table.first(); !table.atEnd() && keys.size() < 1000; table.next(), ++index)
        if (index % 100 == 37)
            keys.append(table.text(QStringLiteral("URL")));
    check(keys.size() == 1000, "locate: fewer than 1,000 records");
    table.setSortKey(QStringLiteral("URL"));
    std::vector<std::string> floorKeys;
    for (const QString& key : keys)
        floorKeys.push_back(key.toStdString());

    const std::string indexed =
        QFile::encodeName(QDir(setting.workFolder).filePath(QStringLiteral("floor_locate.db")))
            .toStdString();
    std::remove(indexed.c_str());
    const std::string source = QFile::encodeName(file).toStdString();
    writeRows(indexed, recordsSchema(source), readTypedRows(source));
    Db db(indexed, SQLITE_OPEN_READWRITE);
    db.exec("CREATE INDEX records_url ON records(\"URL\")");
    Statement lookup(db, "SELECT * FROM records WHERE \"URL\" = ?");
    const int columns = sqlite3_column_count(lookup.get());

    Pair pair;
    for (auto _ : state) {
        int found = 0;
        const double ours = secondsOf([&] {
            for (const QString& key : keys)
                found += table.locate(QStringLiteral("URL"), key) ? 1 : 0;
        });
        check(found == 1000, "locate: an existing URL was not found");
        int rows = 0;
        std::size_t bytes = 0;
        const double floor = secondsOf([&] {
            for (const std::string& key : floorKeys) {
                sqlite3_bind_text(lookup.get(), 1, key.data(), static_cast<int>(key.size()),
                                  SQLITE_STATIC);
                if (lookup.step()) {
                    ++rows;
                    for (int i = 0; i < columns; ++i) {
                        benchmark::DoNotOptimize(sqlite3_column_text(lookup.get(), i));
                        bytes += static_cast<std::size_t>(sqlite3_column_bytes(lookup.get(), i));
                    }
                }
                lookup.reset();
            }
        });
        check(rows == 1000 && bytes > 0, "locate: SQLite missed an existing URL");
        pair.add(state, ours, floor);
    }
    for (const QString& key : keys)
        check(table.locate(QStringLiteral("URL"), key) && table.text(QStringLiteral("URL")) == key,
              "locate: the cursor is not on the record looked for");
    pair.report(state);
}

void filterCountFigure(benchmark::State& state) {
    const QString file = urlsFile();
    Table table(Defs::urls());
    table.setFileName(file);
    table.open();
    Db db(QFile::encodeName(file).toStdString(), SQLITE_OPEN_READONLY);
    Statement count(db, "SELECT count(*) FROM records WHERE \"Group\" = ?");
    const std::string group = "Travel";

    Pair pair;
    int round = 0;
    for (auto _ : state) {
        int ours = 0;
        sqlite3_int64 floor = 0;
        const auto timeOurs = [&] {
            return secondsOf([&] {
                table.setFilter(QStringLiteral("[Group] = 'Travel'"));
                ours = table.recordCount();
            });
        };
        const auto timeFloor = [&] {
            return secondsOf([&] {
                sqlite3_bind_text(count.get(), 1, group.data(), static_cast<int>(group.size()),
                                  SQLITE_STATIC);
                check(count.step(), "filter: no count");
                floor = sqlite3_column_int64(count.get(), 0);
                count.reset();
            });
        };
        const auto [oursTime, floorTime] = timeBoth(round, timeOurs, timeFloor);
        table.setFilter(QString());
        check(ours > 0 && ours == floor, "filter: the table and SQLite count differently");
        check(table.recordCount() > ours, "filter: clearing the filter left records out");
        pair.add(state, oursTime, floorTime);
    }
    pair.report(state);
}

// The peak resident memory of this process, in bytes.
long long peakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6)) * 1024;
    throw std::runtime_error("no VmHWM in /proc/self/status");
}

// Child side of the memory figure: a fresh process that does nothing but
// open the table, so its peak is what opening costs plus the program itself.
int openAndReportPeak(const char* file) {
    Table table(Defs::urls());
    table.setFileName(QString::fromLocal8Bit(file));
    table.open();
    std::printf("%lld %d\n", peakResidentBytes(), table.recordCount());
    return 0;
}

std::string runChild(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    check(pipe(pipeEnds) == 0, "memory: no pipe");
    const pid_t child = fork();
    check(child >= 0, "memory: cannot start a process");
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 0, "memory: the child process failed");
    return output;
}

void rssFigure(benchmark::State& state) {
    const QString file = urlsFile();
    const double fileBytes = static_cast<double>(QFileInfo(file).size());
    double peak = 0;
    for (auto _ : state) {
        const std::string output =
            runChild({setting.executable, "--rss", QFile::encodeName(file).toStdString()});
        long long bytes = 0;
        int records = 0;
        check(std::sscanf(output.c_str(), "%lld %d", &bytes, &records) == 2 && records >= 100'000,
              "memory: the child did not open the table");
        // The highest of the runs: the figure should not flatter.
        peak = std::max(peak, static_cast<double>(bytes));
        state.SetIterationTime(1);
    }
    state.counters["ours"] = peak;
    state.counters["floor"] = fileBytes;
}

// --- registry and report ----------------------------------------------------

struct Figure {
    const char* name;
    const char* target;
    const char* unit; // how the two sides are shown on stderr
    int iterations;
    void (*run)(benchmark::State&);
};

const Figure kFigures[] = {
    {"store.open_100k", "1.3", "s", 7, openFigure},
    {"store.save_100k", "1.3", "s", 5, saveFigure},
    {"store.resort_100k", "0.05", "s", 7, resortFigure},
    {"store.locate_100k", "1.0", "s", 15, locateFigure},
    {"store.filter_count_100k", "1.0", "s", 31, filterCountFigure},
    {"store.rss_100k", "2.5", "bytes", 3, rssFigure},
};

struct Outcome {
    bool failed = false;
    std::string error;
    double ours = 0;
    double floor = 0;
};

// Collects the runs instead of printing them: stdout is for figures only.
class Collector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            Outcome& outcome = outcomes[run.run_name.function_name];
            outcome.failed = run.error_occurred;
            outcome.error = run.error_message;
            const auto ours = run.counters.find("ours");
            const auto floor = run.counters.find("floor");
            if (ours != run.counters.end() && floor != run.counters.end()) {
                outcome.ours = ours->second.value;
                outcome.floor = floor->second.value;
            }
        }
    }
    std::map<std::string, Outcome> outcomes;
};

std::string regexEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos)
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string shown(double value, const std::string& unit) {
    char text[64];
    if (unit == "s")
        std::snprintf(text, sizeof text, "%.3f ms", value * 1e3);
    else
        std::snprintf(text, sizeof text, "%.1f MB", value / 1e6);
    return text;
}

std::string executablePath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    check(length > 0, "cannot find this program's path");
    return std::string(path, static_cast<std::size_t>(length));
}

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--data <user folder>] [figure name prefix]\n", program);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--rss") {
        try {
            return openAndReportPeak(argv[2]);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
    }

    std::string prefix;
    setting.dataFolder = QStringLiteral(LINKVALE_BENCH_DATA);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--data" && i + 1 < argc)
            setting.dataFolder = QString::fromLocal8Bit(argv[++i]);
        else if (argument.rfind("-", 0) == 0 || !prefix.empty())
            return usage(argv[0]);
        else
            prefix = argument;
    }
    if (!QFileInfo(urlsFile()).isFile()) {
        std::fprintf(stderr, "no %s: generate the user folder first (bench/run does)\n",
                     qPrintable(urlsFile()));
        return 2;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot create a scratch folder\n");
        return 1;
    }
    setting.workFolder = work.path();
    setting.executable = executablePath();

    for (const Figure& figure : kFigures) {
        const auto run = figure.run;
        benchmark::RegisterBenchmark(figure.name,
                                     [run](benchmark::State& state) {
                                         try {
                                             run(state);
                                         } catch (const std::exception& error) {
                                             state.SkipWithError(error.what());
                                         }
                                     })
            ->Iterations(figure.iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    std::string filter = "--benchmark_filter=^" + regexEscaped(prefix);
    std::vector<char*> benchmarkArgs{argv[0], filter.data()};
    int benchmarkArgc = static_cast<int>(benchmarkArgs.size());
    benchmark::Initialize(&benchmarkArgc, benchmarkArgs.data());
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    int failures = 0;
    for (const Figure& figure : kFigures) {
        const auto found = collector.outcomes.find(figure.name);
        if (found == collector.outcomes.end())
            continue;
        const Outcome& outcome = found->second;
        if (outcome.failed || outcome.floor <= 0) {
            std::fprintf(stderr, "%s: FAILED: %s\n", figure.name, outcome.error.c_str());
            ++failures;
            continue;
        }
        const double ratio = outcome.ours / outcome.floor;
        std::fprintf(stderr, "%s: ours %s, floor %s (%s)\n", figure.name,
                     shown(outcome.ours, figure.unit).c_str(),
                     shown(outcome.floor, figure.unit).c_str(),
                     ratio <= std::stod(figure.target) ? "meets the target" : "MISSES the target");
        // Three decimals, or three significant digits for ratios far below 1.
        std::printf(ratio >= 0.01 ? "figure=%s ratio=%.3f target=%s\n"
                                  : "figure=%s ratio=%.3g target=%s\n",
                    figure.name, ratio, figure.target);
        std::fflush(stdout);
    }
    return failures ? 1 : 0;
}
