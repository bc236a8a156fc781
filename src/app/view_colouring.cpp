#include "view_colouring.hpp"

#include <array>
#include <string_view>

#include <QTextCharFormat>
#include <QTextDocument>

#include "app/core/colouring.hpp"

namespace {

using quillomat::FormatCouleur;

constexpr std::array kFormats{FormatCouleur::Normal, FormatCouleur::Fonction, FormatCouleur::Systeme,
                              FormatCouleur::Statistique, FormatCouleur::Chaine, FormatCouleur::Commentaire};

// Colour, bold and italic set together; every other attribute is the text's own.
const QTextCharFormat& formatQt(FormatCouleur format) {
  static const std::array<QTextCharFormat, kFormats.size()> formats = [] {
    std::array<QTextCharFormat, kFormats.size()> f;
    for (FormatCouleur c : kFormats) {
      const quillomat::StyleCouleur s = quillomat::styleDe(c);
      QTextCharFormat& q = f[static_cast<size_t>(c)];
      q.setForeground(QColor(s.r, s.g, s.b));
      q.setFontWeight(s.gras ? QFont::Bold : QFont::Normal);
      q.setFontItalic(s.italique);
    }
    return f;
  }();
  return formats[static_cast<size_t>(format)];
}

}  // namespace

CMotsEtendus::CMotsEtendus(QTextDocument& texte) : QObject(&texte) {}

CMotsEtendus& CMotsEtendus::de(QTextDocument& texte) {
  auto* mots = texte.findChild<CMotsEtendus*>(QString(), Qt::FindDirectChildrenOnly);
  return mots ? *mots : *new CMotsEtendus(texte);
}

void CMotsEtendus::definir(quillomat::ListeMots mots) {
  if (mots.entrees() == m_mots.entrees()) return;
  m_mots = std::move(mots);
  Q_EMIT changes();
}

CSurligneurScript::CSurligneurScript(QTextDocument& texte, const quillomat::ListeMots& mots, const bool& actif)
    : QSyntaxHighlighter(&texte), m_mots(mots), m_pEtendus(&CMotsEtendus::de(texte)), m_actif(actif) {
  connect(m_pEtendus, &CMotsEtendus::changes, this, [this] {
    if (m_actif) rehighlight();
  });
}

CSurligneurScript* CSurligneurScript::de(const QTextDocument& texte) {
  return texte.findChild<CSurligneurScript*>(QString(), Qt::FindDirectChildrenOnly);
}

void CSurligneurScript::highlightBlock(const QString& texte) {
  if (m_actif && !m_suspendu) {
    // One Latin-1 byte per UTF-16 unit, so that indices stay those of the block.
    const QByteArray octets = texte.toLatin1();
    const std::string_view ligne(octets.constData(), static_cast<size_t>(octets.size()));
    const quillomat::ListeMots* etendus = m_pEtendus ? &m_pEtendus->mots() : nullptr;
    for (const quillomat::PlageCouleur& p : quillomat::colorerLigne(ligne, m_mots, etendus)) {
      setFormat(p.debut, p.longueur, formatQt(p.format));
    }
  }
  if (m_apresLigne) m_apresLigne();
}

PauseColoration::PauseColoration(const QTextDocument& texte) : m_pSurligneur(CSurligneurScript::de(texte)) {
  if (m_pSurligneur) m_pSurligneur->suspendre(true);
}

PauseColoration::~PauseColoration() {
  if (m_pSurligneur) m_pSurligneur->suspendre(false);
}
