// Feeds each input to the backup decoder and to the restore's check, as a backup file the
// operator picked. The input's first byte also chooses the lists asked for: bits 1 to 3 name
// programs, holidays and shift days; with none set, all three. The decoder must class every
// input as the documented layout does and decode a sound one to what encodes back to the very
// bytes; the check must never pass a backup the decoder faults or one lacking a list asked
// for, and a passed check restores exactly the records the contained files hold.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzedFile.h"
#include "data/Backup.h"
#include "data/Md5.h"

namespace {

constexpr std::u16string_view backupPath = u"/备份/岚铃备份 2026-12-09.lvtxbak";
constexpr std::string_view magic = "LVTXBAK1";
constexpr std::size_t headerSize = 12;  // the magic and the lists covered
constexpr std::size_t digestSize = 16;

// The little-endian number at `offset`; for a contained file, the count of records it stores there.
std::uint32_t numberAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    require(offset + 4 <= bytes.size(), "the number lies inside the bytes");
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = value << 8 | bytes[offset + i];
    return value;
}

// The whole size the layout gives the bytes through their two size fields; none when they end
// inside the header or a size field.
std::optional<std::size_t> layoutSize(const std::vector<std::uint8_t>& bytes) {
    std::size_t at = headerSize;
    for (int file = 0; file < 2; ++file) {
        if (bytes.size() < at + 4) return std::nullopt;
        at += std::size_t{4} + numberAt(bytes, at);
    }
    return at + digestSize;
}

void requireFaultAsLaid(const std::vector<std::uint8_t>& bytes, BackupFault fault) {
    if (bytes.size() < magic.size() || !std::equal(magic.begin(), magic.end(), bytes.begin())) {
        require(fault == BackupFault::notABackup, "no magic: not a backup");
        return;
    }
    const std::optional<std::size_t> size = layoutSize(bytes);
    if (!size || bytes.size() < *size) {
        require(fault == BackupFault::truncated, "bytes ending before the layout does: truncated");
        return;
    }
    const Md5Digest digest = md5Of(bytes.data(), *size - digestSize);
    if (bytes.size() > *size || !std::equal(digest.begin(), digest.end(), bytes.begin() + (*size - digestSize))) {
        require(fault == BackupFault::digest, "bytes after the digest, or a digest that differs: digest");
        return;
    }
    require(fault == BackupFault::none || fault == BackupFault::notABackup, "complete bytes: sound or not ours");
}

void requireSoundContent(const std::vector<std::uint8_t>& bytes, const BackupContent& content) {
    const BackupParts& parts = content.parts;
    require(parts.any(), "a sound backup covers some list");
    require(parts.programs == !content.programsFile.empty() && parts.calendar() == !content.holidaysFile.empty(),
            "a file is held exactly when a list of it is covered");
    require(encodeBackup(content) == bytes, "a sound backup encodes back to its bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    FuzzedFile file(std::u16string(backupPath), data, size);
    const std::vector<std::uint8_t>& bytes = file.content();
    BackupParts wanted{(data[0] & 2) != 0, (data[0] & 4) != 0, (data[0] & 8) != 0};
    if (!wanted.any()) wanted = allBackupParts;

    const DecodedBackup decoded = decodeBackup(bytes);
    requireFaultAsLaid(bytes, decoded.fault);
    if (decoded.fault == BackupFault::none) requireSoundContent(bytes, decoded.content);

    const RestoreCheck check = checkBackup(file.fileSystem(), backupPath, wanted);
    require(!check.ioFailure, "memory reads never fail");
    if (!check.ok) {
        require(check.message.find(backupPath) != std::u16string::npos, "a refusal names the backup");
        return 0;
    }
    require(decoded.fault == BackupFault::none, "only a sound backup passes the check");
    const BackupContent& content = decoded.content;
    const RestoreSource& source = check.source;
    require((!wanted.programs || content.parts.programs) && (!wanted.holidays || content.parts.holidays) &&
                (!wanted.shiftDays || content.parts.shiftDays),
            "every list asked for is in the backup");
    require(source.parts.programs == wanted.programs && source.parts.holidays == wanted.holidays &&
                source.parts.shiftDays == wanted.shiftDays,
            "the check restores the lists asked for");
    require(source.programs.size() == (wanted.programs ? numberAt(content.programsFile, 0) : 0),
            "the programs of the programs file, when asked for");
    const std::size_t holidays = content.parts.calendar() ? numberAt(content.holidaysFile, 0) : 0;
    require(source.holidays.size() == (wanted.holidays ? holidays : 0), "the holidays of the file, when asked for");
    const std::size_t shiftDays =
        content.parts.calendar() ? numberAt(content.holidaysFile, 4 + holidays * sizeof(HolidayRecord)) : 0;
    require(source.shiftDays.size() == (wanted.shiftDays ? shiftDays : 0),
            "the shift days of the file, when asked for");
    return 0;
}
