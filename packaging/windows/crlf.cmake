# Copies a text file with Windows line ends, so that every editor shows its lines.
#   cmake -DENTREE=... -DSORTIE=... -P crlf.cmake
file(READ ${ENTREE} texte)
string(REPLACE "\r\n" "\n" texte "${texte}")
string(REPLACE "\n" "\r\n" texte "${texte}")
file(WRITE ${SORTIE} "${texte}")
