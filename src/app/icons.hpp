// The tool-bar pictures (16 x 15), drawn so that the program ships no image.
#pragma once

#include <QIcon>

class QStyle;

QIcon iconeCommande(int id, const QStyle& style);
QIcon iconeProgramme();
