#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace linkvale {

// One stored record in a single allocation: a header of 32-bit end offsets, one
// per field (the top bit marks a null field), followed by the field bytes.
// Texts, dates and date-times are kept as UTF-8 / ISO 8601 text, integers as
// 8 native bytes and booleans as one byte, so a table of 100,000 bookmarks
// costs little more than its file and a record is read without decoding.
class PackedRecord {
public:
    PackedRecord() = default;
    explicit PackedRecord(std::unique_ptr<char[]> data) : data_(std::move(data)) {}

    bool isNull(int field) const { return (endWord(field) & kNullBit) != 0; }
    std::string_view bytes(int field) const {
        const std::uint32_t begin = field == 0 ? 0 : endWord(field - 1) & kOffsetMask;
        const std::uint32_t end = endWord(field) & kOffsetMask;
        return {data_.get() + dataStart() + begin, end - begin};
    }
    std::int64_t integer(int field) const {
        std::int64_t value = 0;
        const std::string_view raw = bytes(field);
        if (raw.size() == sizeof value)
            std::memcpy(&value, raw.data(), sizeof value);
        return value;
    }
    bool boolean(int field) const {
        const std::string_view raw = bytes(field);
        return !raw.empty() && raw[0] != 0;
    }

    static constexpr std::uint32_t kNullBit = 0x80000000u;
    static constexpr std::uint32_t kOffsetMask = 0x7fffffffu;

private:
    // Word 0 holds the header length in words; words 1..n the end offsets.
    std::uint32_t endWord(int field) const {
        std::uint32_t word;
        std::memcpy(&word, data_.get() + sizeof(std::uint32_t) * (field + 1), sizeof word);
        return word;
    }
    std::size_t dataStart() const {
        std::uint32_t headerWords;
        std::memcpy(&headerWords, data_.get(), sizeof headerWords);
        return sizeof(std::uint32_t) * headerWords;
    }

    std::unique_ptr<char[]> data_;
};

// Builds PackedRecords field by field, in field order. Reusable: finish()
// hands out the record and leaves the builder empty for the next one.
class PackedRecordBuilder {
public:
    void addNull() { pushEnd(PackedRecord::kNullBit); }
    void addBytes(std::string_view bytes) {
        data_.append(bytes);
        pushEnd(0);
    }
    void addInteger(std::int64_t value) {
        data_.append(reinterpret_cast<const char*>(&value), sizeof value);
        pushEnd(0);
    }
    void addBoolean(bool value) {
        data_.push_back(value ? 1 : 0);
        pushEnd(0);
    }

    PackedRecord finish() {
        const std::uint32_t headerWords = static_cast<std::uint32_t>(ends_.size() + 1);
        const std::size_t headerBytes = sizeof(std::uint32_t) * headerWords;
        auto block = std::make_unique_for_overwrite<char[]>(headerBytes + data_.size());
        std::memcpy(block.get(), &headerWords, sizeof headerWords);
        if (!ends_.empty())
            std::memcpy(block.get() + sizeof headerWords, ends_.data(),
                        sizeof(std::uint32_t) * ends_.size());
        if (!data_.empty())
            std::memcpy(block.get() + headerBytes, data_.data(), data_.size());
        ends_.clear();
        data_.clear();
        return PackedRecord(std::move(block));
    }

private:
    void pushEnd(std::uint32_t nullBit) {
        ends_.push_back(static_cast<std::uint32_t>(data_.size()) | nullBit);
    }

    std::basic_string<std::uint32_t> ends_;
    std::string data_;
};

} // namespace linkvale
