#include "data/BackupFile.h"

#include <algorithm>

#include "data/Md5.h"

namespace {

constexpr char magic[8] = {'L', 'V', 'T', 'X', 'B', 'A', 'K', '1'};
constexpr std::uint32_t programsBit = 1;
constexpr std::uint32_t holidaysBit = 2;
constexpr std::uint32_t shiftDaysBit = 4;
constexpr std::size_t digestSize = 16;

void appendNumber(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendFile(std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& file) {
    appendNumber(bytes, static_cast<std::uint32_t>(file.size()));
    bytes.insert(bytes.end(), file.begin(), file.end());
}

// Walks the bytes in order; a read past the end marks the backup truncated.
class Cursor {
public:
    explicit Cursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    bool number(std::uint32_t& value) {
        if (bytes_.size() - at_ < 4) return false;
        value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | bytes_[at_ + static_cast<std::size_t>(i)];
        at_ += 4;
        return true;
    }

    bool file(std::vector<std::uint8_t>& file) {
        std::uint32_t size = 0;
        if (!number(size) || bytes_.size() - at_ < size) return false;
        file.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                    bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + size));
        at_ += size;
        return true;
    }

    std::size_t at() const { return at_; }
    void skip(std::size_t count) { at_ += count; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::vector<std::uint8_t> encodeBackup(const BackupContent& content) {
    std::vector<std::uint8_t> bytes(std::begin(magic), std::end(magic));
    const BackupParts& parts = content.parts;
    appendNumber(bytes, (parts.programs ? programsBit : 0) | (parts.holidays ? holidaysBit : 0) |
                            (parts.shiftDays ? shiftDaysBit : 0));
    appendFile(bytes, content.programsFile);
    appendFile(bytes, content.holidaysFile);
    const Md5Digest digest = md5Of(bytes.data(), bytes.size());
    bytes.insert(bytes.end(), digest.begin(), digest.end());
    return bytes;
}

DecodedBackup decodeBackup(const std::vector<std::uint8_t>& bytes) {
    DecodedBackup decoded;
    if (bytes.size() < sizeof magic || !std::equal(std::begin(magic), std::end(magic), bytes.begin())) {
        decoded.fault = BackupFault::notABackup;
        return decoded;
    }
    Cursor cursor(bytes);
    cursor.skip(sizeof magic);
    std::uint32_t lists = 0;
    BackupContent& content = decoded.content;
    if (!cursor.number(lists) || !cursor.file(content.programsFile) || !cursor.file(content.holidaysFile) ||
        bytes.size() - cursor.at() < digestSize) {
        decoded.fault = BackupFault::truncated;
        return decoded;
    }
    const Md5Digest digest = md5Of(bytes.data(), cursor.at());
    if (bytes.size() - cursor.at() != digestSize ||
        !std::equal(digest.begin(), digest.end(), bytes.begin() + static_cast<std::ptrdiff_t>(cursor.at()))) {
        decoded.fault = BackupFault::digest;
        return decoded;
    }
    content.parts = {(lists & programsBit) != 0, (lists & holidaysBit) != 0, (lists & shiftDaysBit) != 0};
    // A sound digest over marks this version does not write: a later format, not damage.
    const bool wellFormed = (lists & ~(programsBit | holidaysBit | shiftDaysBit)) == 0 && content.parts.any() &&
                            content.parts.programs == !content.programsFile.empty() &&
                            content.parts.calendar() == !content.holidaysFile.empty();
    if (!wellFormed) decoded = DecodedBackup{BackupFault::notABackup, {}};
    return decoded;
}
