#include "help_window.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QScreen>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "icons.hpp"

CFenetreAide::CFenetreAide(QWidget* proprietaire)
    : QDialog(proprietaire, Qt::Window), m_pTexte(new QTextBrowser(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Aide du quillomat"));
  setWindowIcon(iconeProgramme());
  m_pTexte->setOpenExternalLinks(true);
  auto* disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->addWidget(m_pTexte);
  // About 120 characters wide (the examples' lines read whole) and most of
  // the screen's height: a page of the help reads without resizing.
  const QRect ecran = screen()->availableGeometry();
  resize(std::min(ecran.width() * 9 / 10, fontMetrics().averageCharWidth() * 120),
         ecran.height() * 85 / 100);
}

bool CFenetreAide::afficher(const QString& chemin, QWidget* proprietaire, QString* erreur) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) {
    if (erreur) {
      *erreur = QStringLiteral("Impossible d'afficher l'aide : le fichier \"%1\" n'a pas pu être lu (%2).")
                    .arg(QDir::toNativeSeparators(chemin), fichier.errorString());
    }
    return false;
  }
  const QByteArray octets = fichier.readAll();
  CFenetreAide* fenetre = proprietaire ? proprietaire->findChild<CFenetreAide*>() : nullptr;
  if (!fenetre) fenetre = new CFenetreAide(proprietaire);
  if (QFileInfo(chemin).suffix().startsWith(QStringLiteral("htm"), Qt::CaseInsensitive)) {
    // The page names its character set; the help the build writes is Latin-1.
    QStringDecoder decodeur = QStringDecoder::decoderForHtml(octets);
    fenetre->m_pTexte->setHtml(decodeur.isValid() ? QString(decodeur(octets)) : QString::fromLatin1(octets));
  } else {
    fenetre->m_pTexte->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    fenetre->m_pTexte->setPlainText(QString::fromLatin1(octets));
  }
  fenetre->show();
  fenetre->raise();
  fenetre->activateWindow();
  return true;
}
