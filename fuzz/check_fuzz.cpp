// Any bytes as a script: the checks and the report must neither crash nor
// write outside their fields.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string script =
      quillomat::versModeTexteLecture(std::string_view(reinterpret_cast<const char*>(data), size));
  const int lines = quillomat::compterLignes(script);
  if (lines > quillomat::kLignesMax) return 0;
  quillomat::WorkFiles wf;
  quillomat::executerVerifications(wf, script, lines, static_cast<int>(size % 4), static_cast<int>(size % 2));
  for (const auto& f : wf.findings)
    if (f.text.size() > quillomat::kTexteMax) __builtin_trap();
  for (const auto& r : wf.identifiers.records())
    if (r.name.size() > quillomat::kNomMax) __builtin_trap();
  (void)quillomat::composerRapport(wf, lines, 1, 0);
  return 0;
}
