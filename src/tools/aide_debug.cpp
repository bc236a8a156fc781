// Writes the help files "AideDebug.txt" and "AideDebug.htm" shipped with the
// editor; their messages are those the checker writes for the examples, and
// those of the language server.
#include "app/core/help_text.hpp"
#include "lsp/diagnostics.hpp"
#include "tools/generated_file.hpp"

int main(int argc, char** argv) {
  return quillomat::outils::ecrireFichiers(argc, argv, "AideDebug.txt AideDebug.htm",
                                           {{1, quillomat::texteAide(quillomat::lsp::libellesServeur())},
                                            {2, quillomat::pageAide(quillomat::lsp::libellesServeur())}});
}
