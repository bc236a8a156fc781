#include "latin1.hpp"

#include <QTextDocument>

QString texteDe(const QTextDocument& document) {
  // toPlainText would turn no-break spaces into spaces: a Latin-1 byte lost.
  QString texte = document.toRawText();
  for (QChar& c : texte) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
  }
  return texte;
}

std::string versLatin1(const QString& texte) {
  const QByteArray octets = texte.toLatin1();
  return std::string(octets.constData(), static_cast<size_t>(octets.size()));
}

std::optional<QString> horsLatin1(const QString& texte) {
  int ligne = 1;
  int colonne = 1;
  for (qsizetype i = 0; i < texte.size(); ++i) {
    const QChar c = texte.at(i);
    if (c == u'\n') {
      ++ligne;
      colonne = 1;
      continue;
    }
    if (c.unicode() > 0xFF) {
      const QString caractere = c.isHighSurrogate() && i + 1 < texte.size() ? texte.mid(i, 2) : QString(c);
      return QStringLiteral("Le caractère « %1 » (ligne %2, colonne %3) n'existe pas en Latin-1 : "
                            "remplacez-le avant d'enregistrer.")
          .arg(caractere)
          .arg(ligne)
          .arg(colonne);
    }
    ++colonne;
  }
  return std::nullopt;
}
