// The records of the work files and of the preferences file, in memory and in
// their fixed on-disk layout (32-bit little-endian integers, NUL-terminated
// Latin-1 fields).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillomat {

inline constexpr int kAlerte = 1;
inline constexpr int kErreur = 2;
inline constexpr size_t kTexteMax = 199;  // bytes of a finding text
inline constexpr size_t kNomMax = 49;     // bytes of a name

struct FindingRecord {
  int32_t line = -1;  // 0-based line index, -1 for the whole script
  std::string text;   // at most 199 bytes
  int32_t kind = kErreur;
  // The message's stable code ("QM101"...), static text; never written to
  // the work file or the report, so a record read back from disk has none.
  std::string_view code = {};
  // Records compare by what the work file holds: the code follows from the
  // text, and a record read back from disk has none.
  bool operator==(const FindingRecord& o) const { return line == o.line && text == o.text && kind == o.kind; }
};

struct IdentifierRecord {
  int32_t kind = 0;
  std::string name;  // at most 49 bytes
  bool operator==(const IdentifierRecord&) const = default;
};

struct ScriptKindMark {
  int32_t line = 0;
  int32_t kind = 0;  // 1 quest, 2 object, 3 magic effect
  bool operator==(const ScriptKindMark&) const = default;
};

struct AttachmentRecord {
  std::string variable;  // lower case, at most 49 bytes
  std::string object;
  bool operator==(const AttachmentRecord&) const = default;
};

struct SettingsRecord {
  int32_t showReport = 1;
  int32_t showInfo = 1;
  int32_t hideAlerts = 0;
  int32_t scriptKind = 0;
  int32_t vlseDependent = 0;
  int32_t noFormatHelp = 0;
  int32_t noColouring = 0;
  int32_t autoSpacing = 1;
  bool operator==(const SettingsRecord&) const = default;
};

inline constexpr size_t kTailleFinding = 208;
inline constexpr size_t kTailleIdentifier = 56;
inline constexpr size_t kTailleMark = 8;
inline constexpr size_t kTailleAttachment = 100;
inline constexpr size_t kTailleSettings = 32;

// Layouts. Encoding cuts over-long texts to their field; decoding stops at the NUL.
std::string encoder(const FindingRecord&);
std::string encoder(const IdentifierRecord&);
std::string encoder(const ScriptKindMark&);
std::string encoder(const AttachmentRecord&);
std::string encoder(const SettingsRecord&);

template <typename Record>
std::string encoderTous(const std::vector<Record>& records) {
  std::string out;
  for (const auto& r : records) out += encoder(r);
  return out;
}

std::vector<FindingRecord> decoderFindings(std::string_view bytes);
std::vector<IdentifierRecord> decoderIdentifiers(std::string_view bytes);
std::vector<ScriptKindMark> decoderMarks(std::string_view bytes);
std::vector<AttachmentRecord> decoderAttachments(std::string_view bytes);
// The defaults as a whole when bytes holds fewer than 32 bytes.
SettingsRecord decoderSettings(std::string_view bytes);

inline constexpr std::string_view kFichierReglages = "DebugKVR4.dat";

// Reads dir/DebugKVR4.dat; the defaults when it is missing or short.
SettingsRecord lireReglages(const std::filesystem::path& dir);
// Writes the 32 bytes whole; false when the file cannot be written.
bool ecrireReglages(const std::filesystem::path& dir, const SettingsRecord& settings);

}  // namespace quillomat
