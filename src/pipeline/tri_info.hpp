// Merging of identifiers ("InfTempKVR4") and of object.variable attachments
// ("InfTempKVR4.3").
#pragma once

#include "pipeline/records.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {

inline constexpr int kKindErrone = -99;

// Merges one identifier met in the script into the identifier file.
void triInfo(WorkFiles& wf, IdentifierRecord record);
// Adds one attachment unless the same pair (without regard to case) is there.
void triInfoExterne(WorkFiles& wf, AttachmentRecord record);

// Entry of the merge matrix: row = existing kind, column = new kind (0 to 99).
int matriceFusion(int existant, int nouveau);
// Kind resulting from an existing kind e >= 0 and a new kind n.
int fusionnerKinds(int existant, int nouveau);

}  // namespace quillomat
