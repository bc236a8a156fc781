// The formatting aids of the application: indentation on Enter,
// "Mettre en forme", the spacing correction and the statistics.
#include "app.hpp"
#include "view.hpp"

void CQuillomatApp::corrigerEspacement(CQuillomatView&) {}
void CQuillomatApp::indenterNouvelleLigne(CQuillomatView&, int) {}
void CQuillomatApp::OnFormat() {}
void CQuillomatApp::OnStatistics() {}
