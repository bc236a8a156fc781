// The colouring triggers of the application: typing, Enter, paste, open, and
// the switch of the Preferences box. The colours themselves are kept by the
// highlighter of each text (view_colouring.hpp), which also recolours every
// line that any other edit changes; the triggers below colour the lines they
// name and show the progress of the long passes.
#include <functional>
#include <optional>

#include <QPointer>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextDocument>

#include "app.hpp"
#include "app/core/word_list.hpp"
#include "main_frame.hpp"
#include "view.hpp"
#include "view_colouring.hpp"

namespace {

constexpr int kLignesAvecProgression = 50;  // a paste over fewer lines shows no progress bar

const quillomat::ListeMots& motsDe(const CQuillomatApp& app) {
  static const quillomat::ListeMots vide;  // "fonctions.txt" missing: strings and comments only
  return app.m_pFunctionWords ? *app.m_pFunctionWords : vide;
}

// The highlighter of the view's text, made on first use. A new one has
// coloured nothing yet: its first pass must cover the whole text.
CSurligneurScript& surligneur(CQuillomatApp& app, CQuillomatView& vue, bool* nouveau = nullptr) {
  QTextDocument& texte = *vue.document();
  CSurligneurScript* s = CSurligneurScript::de(texte);
  if (nouveau) *nouveau = s == nullptr;
  if (!s) s = new CSurligneurScript(texte, motsDe(app), app.m_bColouring);
  return *s;
}

// The view does not repaint during a pass, then repaints once.
class SansRepeindre {
 public:
  explicit SansRepeindre(CQuillomatView& vue) : m_pVue(&vue), m_bAvant(vue.updatesEnabled()) {
    vue.setUpdatesEnabled(false);
  }
  ~SansRepeindre() {
    if (m_pVue) m_pVue->setUpdatesEnabled(m_bAvant);
  }
  SansRepeindre(const SansRepeindre&) = delete;
  SansRepeindre& operator=(const SansRepeindre&) = delete;

 private:
  QPointer<CQuillomatView> m_pVue;
  bool m_bAvant;
};

// The status-bar progress of a pass: one step per line coloured. When a bar
// is already shown (the report opened by a check run), the pass leaves it to
// its owner.
class Progression {
 public:
  Progression(CMainFrame* cadre, int pas, const QString& message, const QString& fin)
      : m_pCadre(cadre), m_fin(fin), m_pBarre(cadre ? cadre->BeginProgress(pas, message) : nullptr) {}
  ~Progression() {
    if (!m_pCadre) return;
    m_pCadre->SetPaneText(0, m_fin);
    if (m_pBarre) m_pCadre->EndProgress();
  }
  Progression(const Progression&) = delete;
  Progression& operator=(const Progression&) = delete;

  std::function<void()> avancer() const {
    QPointer<QProgressBar> barre = m_pBarre;
    return [barre] {
      if (barre && barre->value() < barre->maximum()) barre->setValue(barre->value() + 1);
    };
  }

 private:
  QPointer<CMainFrame> m_pCadre;
  QString m_fin;
  QPointer<QProgressBar> m_pBarre;
};

// Every line of the view's text, first to last.
void colorerTexte(CSurligneurScript& s, CQuillomatView& vue, const Progression& progression) {
  const SansRepeindre sansRepeindre(vue);
  s.setApresLigne(progression.avancer());
  s.rehighlight();
  s.setApresLigne({});
}

void colorerLigne(CSurligneurScript& s, const CQuillomatView& vue, int ligne) {
  const QTextBlock bloc = vue.document()->findBlockByNumber(ligne);
  if (bloc.isValid()) s.rehighlightBlock(bloc);
}

// Two lines in the order given; a document coloured for the first time is coloured whole.
void colorerDeuxLignes(CQuillomatApp& app, CQuillomatView& vue, int premiere, int seconde) {
  bool nouveau = false;
  CSurligneurScript& s = surligneur(app, vue, &nouveau);
  if (nouveau) {
    s.rehighlight();
    return;
  }
  colorerLigne(s, vue, premiere);
  colorerLigne(s, vue, seconde);
}

}  // namespace

void CQuillomatApp::colorerLignes(CQuillomatView& vue, int ligne) {
  if (m_bColouring) colorerDeuxLignes(*this, vue, ligne, ligne - 1);
}

void CQuillomatApp::caractereTape(CQuillomatView& vue) {
  if (!m_bColouring) return;
  const int ligne = vue.textCursor().blockNumber();
  colorerDeuxLignes(*this, vue, ligne - 1, ligne);
}

void CQuillomatApp::texteColle(CQuillomatView& vue, int debut, int fin) {
  if (!m_bColouring) return;
  bool nouveau = false;
  CSurligneurScript& s = surligneur(*this, vue, &nouveau);
  const QTextDocument& texte = *vue.document();
  const int premiere = texte.findBlock(debut).blockNumber();
  const int derniere = texte.findBlock(fin).blockNumber();
  const int ecart = derniere - premiere;
  std::optional<Progression> progression;
  if (ecart >= kLignesAvecProgression) {
    progression.emplace(m_pMainFrame, ecart, QStringLiteral("Coloration du nouveau texte..."),
                        QStringLiteral("Coloration du nouveau texte terminée."));
  }
  const SansRepeindre sansRepeindre(vue);
  if (progression) s.setApresLigne(progression->avancer());
  if (nouveau) {
    s.rehighlight();
  } else {
    for (int ligne = premiere; ligne <= derniere; ++ligne) colorerLigne(s, vue, ligne);
  }
  s.setApresLigne({});
}

void CQuillomatApp::colorerDocument(CQuillomatView& vue) {
  if (!m_bColouring) return;
  CSurligneurScript& s = surligneur(*this, vue);
  const Progression progression(m_pMainFrame, vue.nombreLignes() - 1, QStringLiteral("Coloration du document..."),
                                QStringLiteral("Coloration du document terminée."));
  colorerTexte(s, vue, progression);
}

void CQuillomatApp::colorerTousDocuments() {
  int pas = 0;
  for (const QPointer<CQuillomatView>& vue : m_openViews) {
    if (vue) pas += vue->nombreLignes() - 1;
  }
  const Progression progression(m_pMainFrame, pas, QStringLiteral("Coloration des documents..."),
                                QStringLiteral("Coloration des documents terminée."));
  for (const QPointer<CQuillomatView>& vue : m_openViews) {
    if (vue) colorerTexte(surligneur(*this, *vue), *vue, progression);
  }
}

void CQuillomatApp::decolorerTousDocuments() {
  // The flag is already off: a pass of the highlighter leaves every line plain.
  for (const QPointer<CQuillomatView>& vue : m_openViews) {
    if (!vue) continue;
    if (CSurligneurScript* s = CSurligneurScript::de(*vue->document())) {
      const SansRepeindre sansRepeindre(*vue);
      s->rehighlight();
    }
  }
}
