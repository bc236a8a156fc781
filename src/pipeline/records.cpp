#include "pipeline/records.hpp"

#include <algorithm>

#include "pipeline/ascii.hpp"
#include "pipeline/text_mode.hpp"

namespace quillomat {
namespace {

void ajouterEntier(std::string& out, int32_t v) {
  auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

int32_t lireEntier(std::string_view b, size_t at) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return static_cast<int32_t>(u);
}

// A field of `size` bytes: the text cut to size - 1 bytes, then NULs.
void ajouterChamp(std::string& out, std::string_view text, size_t size) {
  text = jusquAuNul(text).substr(0, std::min(text.size(), size - 1));
  out += text;
  out.append(size - text.size(), '\0');
}

std::string lireChamp(std::string_view b, size_t at, size_t size) {
  return std::string(jusquAuNul(b.substr(at, size)));
}

template <typename Record, typename Decode>
std::vector<Record> decoderSuite(std::string_view bytes, size_t size, Decode decode) {
  std::vector<Record> out;
  for (size_t at = 0; at + size <= bytes.size(); at += size) out.push_back(decode(bytes.substr(at, size)));
  return out;
}

}  // namespace

std::string encoder(const FindingRecord& r) {
  std::string out;
  ajouterEntier(out, r.line);
  ajouterChamp(out, r.text, 200);
  ajouterEntier(out, r.kind);
  return out;
}

std::string encoder(const IdentifierRecord& r) {
  std::string out;
  ajouterEntier(out, r.kind);
  ajouterChamp(out, r.name, 52);
  return out;
}

std::string encoder(const ScriptKindMark& r) {
  std::string out;
  ajouterEntier(out, r.line);
  ajouterEntier(out, r.kind);
  return out;
}

std::string encoder(const AttachmentRecord& r) {
  std::string out;
  ajouterChamp(out, r.variable, 50);
  ajouterChamp(out, r.object, 50);
  return out;
}

std::string encoder(const SettingsRecord& s) {
  std::string out;
  for (int32_t v : {s.showReport, s.showInfo, s.hideAlerts, s.scriptKind, s.vlseDependent, s.noFormatHelp,
                    s.noColouring, s.autoSpacing})
    ajouterEntier(out, v);
  return out;
}

std::vector<FindingRecord> decoderFindings(std::string_view bytes) {
  return decoderSuite<FindingRecord>(bytes, kTailleFinding, [](std::string_view b) {
    return FindingRecord{lireEntier(b, 0), lireChamp(b, 4, 200), lireEntier(b, 204)};
  });
}

std::vector<IdentifierRecord> decoderIdentifiers(std::string_view bytes) {
  return decoderSuite<IdentifierRecord>(bytes, kTailleIdentifier, [](std::string_view b) {
    return IdentifierRecord{lireEntier(b, 0), lireChamp(b, 4, 52)};
  });
}

std::vector<ScriptKindMark> decoderMarks(std::string_view bytes) {
  return decoderSuite<ScriptKindMark>(bytes, kTailleMark, [](std::string_view b) {
    return ScriptKindMark{lireEntier(b, 0), lireEntier(b, 4)};
  });
}

std::vector<AttachmentRecord> decoderAttachments(std::string_view bytes) {
  return decoderSuite<AttachmentRecord>(bytes, kTailleAttachment, [](std::string_view b) {
    return AttachmentRecord{lireChamp(b, 0, 50), lireChamp(b, 50, 50)};
  });
}

SettingsRecord decoderSettings(std::string_view b) {
  if (b.size() < kTailleSettings) return SettingsRecord{};
  return SettingsRecord{lireEntier(b, 0),  lireEntier(b, 4),  lireEntier(b, 8),  lireEntier(b, 12),
                        lireEntier(b, 16), lireEntier(b, 20), lireEntier(b, 24), lireEntier(b, 28)};
}

SettingsRecord lireReglages(const std::filesystem::path& dir) {
  auto bytes = lireBinaire(dir / kFichierReglages);
  return bytes ? decoderSettings(*bytes) : SettingsRecord{};
}

bool ecrireReglages(const std::filesystem::path& dir, const SettingsRecord& settings) {
  return ecrireBinaire(dir / kFichierReglages, encoder(settings));
}

}  // namespace quillomat
