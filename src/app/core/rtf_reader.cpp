#include "app/core/rtf_reader.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillomat {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned
// bytes keep their Latin-1 (control) code.
constexpr std::array<char32_t, 32> kCp1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t depuisCodePage(unsigned char octet) {
  return (octet >= 0x80 && octet <= 0x9F) ? kCp1252[octet - 0x80] : char32_t{octet};
}

// Groups whose content is never text: tables, document properties, pictures,
// embedded objects, page headers and footers, list numbering.
constexpr std::string_view kDestinationsIgnorees[] = {
    "fonttbl",  "stylesheet", "info",     "pict",          "object",   "header",    "headerl",
    "headerr",  "headerf",    "footer",   "footerl",       "footerr",  "footerf",   "footnote",
    "ftnsep",   "ftnsepc",    "ftncn",    "aftnsep",       "aftnsepc", "aftncn",    "listtable",
    "listoverridetable",      "rsidtbl",  "revtbl",        "filetbl",  "generator", "fldinst",
    "pntext",   "pn",         "xmlnstbl", "themedata",     "datastore", "latentstyles",
    "colorschememapping",     "nonshppict", "template",    "userprops", "bkmkstart", "bkmkend",
};

enum class Destination : uint8_t { Texte, Ignoree, TableCouleurs };

struct Etat {
  Destination destination = Destination::Texte;
  int couleur = 0;  // index in the colour table (\cf)
  bool gras = false;
  bool italique = false;
  int remplacement = 1;  // \uc: characters that stand for each \u
};

struct Couleur {
  int r = 0, g = 0, b = 0;
};

constexpr bool estLettreAscii(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool estChiffreAscii(char c) { return c >= '0' && c <= '9'; }

int valeurHexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Lecteur {
 public:
  explicit Lecteur(std::string_view octets) : src_(octets) {}

  std::vector<FragmentRtf> lire() {
    while (i_ < src_.size()) {
      const char c = src_[i_++];
      switch (c) {
        case '{':
          aSauter_ = 0;
          pile_.push_back(etat_);
          break;
        case '}':
          aSauter_ = 0;
          finDeGroupe();
          break;
        case '\\':
          controle();
          break;
        case '\r':
        case '\n':
        case '\0':
          break;
        default:
          texte(depuisCodePage(static_cast<unsigned char>(c)));
          break;
      }
    }
    // A rich-edit control writes a paragraph mark after its last line; the
    // text the user saw does not end there.
    if (dernierEstPar_ && !fragments_.empty()) {
      fragments_.back().texte.pop_back();
      if (fragments_.back().texte.empty()) fragments_.pop_back();
    }
    return std::move(fragments_);
  }

 private:
  void finDeGroupe() {
    if (etat_.destination == Destination::TableCouleurs && pile_.size() >= 1 &&
        pile_.back().destination != Destination::TableCouleurs && entreeEnCours_) {
      // A last entry without its ';' still counts.
      couleurs_.push_back(enCours_);
      entreeEnCours_ = false;
      enCours_ = {};
    }
    if (pile_.empty()) return;  // an extra '}' is ignored
    etat_ = pile_.back();
    pile_.pop_back();
  }

  // After '\\': a control word with its optional numeric parameter, or a control symbol.
  void controle() {
    if (i_ >= src_.size()) return;
    const char c = src_[i_];
    if (!estLettreAscii(c)) {
      ++i_;
      symbole(c);
      return;
    }
    const size_t debut = i_;
    while (i_ < src_.size() && estLettreAscii(src_[i_])) ++i_;
    const std::string_view mot = src_.substr(debut, i_ - debut);
    bool avecParametre = false;
    bool negatif = false;
    int64_t parametre = 0;
    if (i_ < src_.size() && src_[i_] == '-' && i_ + 1 < src_.size() && estChiffreAscii(src_[i_ + 1])) {
      negatif = true;
      ++i_;
    }
    while (i_ < src_.size() && estChiffreAscii(src_[i_])) {
      avecParametre = true;
      if (parametre < 100000000) parametre = parametre * 10 + (src_[i_] - '0');
      ++i_;
    }
    if (i_ < src_.size() && src_[i_] == ' ') ++i_;  // the delimiter belongs to the word
    if (negatif) parametre = -parametre;
    motDeControle(mot, avecParametre, static_cast<int>(parametre));
  }

  void symbole(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        texte(static_cast<char32_t>(c));
        break;
      case '\'': {
        const int h = i_ < src_.size() ? valeurHexa(src_[i_]) : -1;
        const int l = i_ + 1 < src_.size() ? valeurHexa(src_[i_ + 1]) : -1;
        if (h < 0 || l < 0) {  // a truncated escape stands for nothing
          if (h >= 0) ++i_;
          return;
        }
        i_ += 2;
        texte(depuisCodePage(static_cast<unsigned char>(h * 16 + l)));
        break;
      }
      case '*':
        etat_.destination = Destination::Ignoree;
        break;
      case '~':
        texte(0x00A0);
        break;
      case '_':
        texte(0x2011);
        break;
      case '\r':
      case '\n':
        paragraphe(true);
        break;
      default:  // \- (optional hyphen), \| and the like show nothing
        if (aSauter_ > 0) --aSauter_;
        break;
    }
  }

  void motDeControle(std::string_view mot, bool avecParametre, int parametre) {
    if (etat_.destination == Destination::Ignoree) {
      if (mot == "bin") sauterBinaire(parametre);
      return;
    }
    if (mot == "u") {
      unicode(parametre);
      return;
    }
    if (aSauter_ > 0) {  // a control word can stand for the character of a \u
      --aSauter_;
      return;
    }
    const bool actif = !avecParametre || parametre != 0;
    if (etat_.destination == Destination::TableCouleurs) {
      int* composante = mot == "red" ? &enCours_.r : mot == "green" ? &enCours_.g : mot == "blue" ? &enCours_.b : nullptr;
      if (composante != nullptr) {
        *composante = std::clamp(parametre, 0, 255);
        entreeEnCours_ = true;
      }
      return;
    }
    if (mot == "par") {
      paragraphe(true);
    } else if (mot == "line" || mot == "sect" || mot == "page") {
      paragraphe(false);
    } else if (mot == "tab") {
      texte(U'\t');
    } else if (mot == "cf") {
      etat_.couleur = parametre;
    } else if (mot == "b") {
      etat_.gras = actif;
    } else if (mot == "i") {
      etat_.italique = actif;
    } else if (mot == "plain") {
      etat_.couleur = 0;
      etat_.gras = false;
      etat_.italique = false;
    } else if (mot == "uc") {
      etat_.remplacement = std::clamp(parametre, 0, 16);
    } else if (mot == "colortbl") {
      etat_.destination = Destination::TableCouleurs;
      couleurs_.clear();
      enCours_ = {};
      entreeEnCours_ = false;
    } else if (mot == "bin") {
      sauterBinaire(parametre);
    } else if (mot == "emdash") {
      texte(0x2014);
    } else if (mot == "endash") {
      texte(0x2013);
    } else if (mot == "bullet") {
      texte(0x2022);
    } else if (mot == "lquote") {
      texte(0x2018);
    } else if (mot == "rquote") {
      texte(0x2019);
    } else if (mot == "ldblquote") {
      texte(0x201C);
    } else if (mot == "rdblquote") {
      texte(0x201D);
    } else if (mot == "emspace" || mot == "enspace" || mot == "qmspace") {
      texte(U' ');
    } else if (std::find(std::begin(kDestinationsIgnorees), std::end(kDestinationsIgnorees), mot) !=
               std::end(kDestinationsIgnorees)) {
      etat_.destination = Destination::Ignoree;
    }
  }

  void sauterBinaire(int n) {
    if (n > 0) i_ += std::min<size_t>(static_cast<size_t>(n), src_.size() - i_);
  }

  void unicode(int n) {
    if (etat_.destination != Destination::Texte) return;
    if (n < 0) n += 65536;
    char32_t cp = (n >= 0 && n <= 0xFFFF) ? static_cast<char32_t>(n) : char32_t{0xFFFD};
    // The two halves of a character beyond the basic plane come as two \u.
    if (cp >= 0xDC00 && cp <= 0xDFFF && hautSubstitut_ != 0) {
      cp = 0x10000 + ((hautSubstitut_ - 0xD800) << 10) + (cp - 0xDC00);
      hautSubstitut_ = 0;
      emettre(cp);
    } else if (cp >= 0xD800 && cp <= 0xDBFF) {
      if (hautSubstitut_ != 0) ajouter(0xFFFD);
      hautSubstitut_ = cp;
    } else {
      emettre(cp >= 0xD800 && cp <= 0xDFFF ? char32_t{0xFFFD} : cp);
    }
    aSauter_ = etat_.remplacement;
  }

  // `marque`: a paragraph mark, which the control writes after its last line too.
  void paragraphe(bool marque) {
    if (aSauter_ > 0) {
      --aSauter_;
      return;
    }
    if (etat_.destination != Destination::Texte) return;
    emettre(U'\n');
    dernierEstPar_ = marque;
  }

  void texte(char32_t c) {
    if (aSauter_ > 0) {  // the replacement of the last \u
      --aSauter_;
      return;
    }
    if (etat_.destination == Destination::TableCouleurs) {
      if (c == U';') {
        couleurs_.push_back(enCours_);
        enCours_ = {};
        entreeEnCours_ = false;
      }
      return;
    }
    if (etat_.destination != Destination::Texte) return;
    emettre(c);
  }

  void emettre(char32_t c) {
    if (hautSubstitut_ != 0 && !(c >= 0xDC00 && c <= 0xDFFF)) {
      hautSubstitut_ = 0;
      ajouter(0xFFFD);  // a lone high half
    }
    ajouter(c);
  }

  void ajouter(char32_t c) {
    dernierEstPar_ = false;
    Couleur coul;
    if (etat_.couleur >= 0 && static_cast<size_t>(etat_.couleur) < couleurs_.size()) coul = couleurs_[etat_.couleur];
    if (fragments_.empty() || fragments_.back().r != coul.r || fragments_.back().g != coul.g ||
        fragments_.back().b != coul.b || fragments_.back().gras != etat_.gras ||
        fragments_.back().italique != etat_.italique) {
      fragments_.push_back(FragmentRtf{{}, coul.r, coul.g, coul.b, etat_.gras, etat_.italique});
    }
    fragments_.back().texte.push_back(c);
  }

  std::string_view src_;
  size_t i_ = 0;
  Etat etat_;
  std::vector<Etat> pile_;  // the states of the enclosing groups
  std::vector<Couleur> couleurs_;
  Couleur enCours_;
  bool entreeEnCours_ = false;
  int aSauter_ = 0;
  char32_t hautSubstitut_ = 0;
  bool dernierEstPar_ = false;
  std::vector<FragmentRtf> fragments_;
};

}  // namespace

bool estRtf(std::string_view debut) {
  constexpr std::string_view signature = "{\\rtf";
  if (debut.size() < signature.size()) return false;
  for (size_t k = 0; k < signature.size(); ++k) {
    char c = debut[k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != signature[k]) return false;
  }
  return true;
}

std::vector<FragmentRtf> lireRtf(std::string_view octets) { return Lecteur(octets).lire(); }

}  // namespace quillomat
