// File URIs, to and from paths: the workspace root the client names and the
// help page the diagnostics link to.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillomat::lsp {

// The path of a "file:" URI, UTF-8, '/' separated; nothing for another
// scheme. `windows`: "/C:/x" means the drive path "C:/x" and a host names a
// network share ("//host/x").
std::optional<std::string> cheminTexteDeUri(std::string_view uri, bool windows);
std::optional<std::filesystem::path> cheminDeUri(std::string_view uri);

// The URI of the help page the diagnostics link to, "AideDebug.htm", found
// as the editor finds its data files: beside the program, then in
// ../share/quillomat; empty when neither has it.
std::string lienPageAide(const std::filesystem::path& dossierProgramme);

// The "file:" URI of an absolute path; bytes outside the unreserved set are
// written %XX.
std::string uriDeChemin(const std::filesystem::path& chemin);

}  // namespace quillomat::lsp
