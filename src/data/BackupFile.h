#pragma once
// The backup file: the programs file and the holiday file exactly as they were stored, and
// which of the three lists the backup covers. Holidays and shift days share the holiday file,
// so a backup of either holds that whole file and the mark says which list may be restored.
//
//   offset   size  content
//   0        8     "LVTXBAK1" (ASCII): the format and its version
//   8        4     lists covered: bit 0 programs, bit 1 holidays, bit 2 shift days; no other bit
//   12       4     p: size of the programs file; 0 unless bit 0 is set
//   16       p     the programs file "定时播t", byte for byte
//   16+p     4     h: size of the holiday file; 0 unless bit 1 or bit 2 is set
//   20+p     h     the holiday file "节假日t", byte for byte
//   20+p+h   16    MD5 digest (RFC 1321) of every byte before it
//
// Integers are unsigned 32-bit little-endian; nothing follows the digest.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

inline constexpr std::u16string_view backupExtension = u"lvtxbak";

struct BackupParts {
    bool programs = false;
    bool holidays = false;
    bool shiftDays = false;

    bool any() const { return programs || holidays || shiftDays; }
    bool calendar() const { return holidays || shiftDays; }
};

inline constexpr BackupParts allBackupParts{true, true, true};

struct BackupContent {
    BackupParts parts;
    std::vector<std::uint8_t> programsFile;  // empty unless parts.programs
    std::vector<std::uint8_t> holidaysFile;  // empty unless parts.calendar()
};

std::vector<std::uint8_t> encodeBackup(const BackupContent& content);

// Why bytes are no backup: another kind of file, one cut short (or with bytes added), or
// one whose digest does not match.
enum class BackupFault { none, notABackup, truncated, digest };

struct DecodedBackup {
    BackupFault fault = BackupFault::none;
    BackupContent content;
};

DecodedBackup decodeBackup(const std::vector<std::uint8_t>& bytes);
