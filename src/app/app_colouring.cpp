// The colouring hooks of the application: typing, paste, open, and the
// switch of the Preferences box.
#include "app.hpp"
#include "view.hpp"

void CQuillomatApp::colorerLignes(CQuillomatView&, int) {}
void CQuillomatApp::colorerDocument(CQuillomatView&) {}
void CQuillomatApp::caractereTape(CQuillomatView&) {}
void CQuillomatApp::texteColle(CQuillomatView&, int, int) {}
