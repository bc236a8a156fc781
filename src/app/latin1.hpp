// The boundary between the windows' text (QString) and the editor's logic and
// files (Latin-1 bytes, '\n' between lines).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

class QTextDocument;

// The text of a document with '\n' between lines, every character kept
// (no-break spaces included).
QString texteDe(const QTextDocument& document);

// Latin-1 bytes of a text already checked with horsLatin1.
std::string versLatin1(const QString& texte);
inline QString depuisLatin1(std::string_view octets) {
  return QString::fromLatin1(octets.data(), static_cast<qsizetype>(octets.size()));
}

// The message naming the first character that Latin-1 cannot hold, with its
// line and column; none when the whole text fits.
std::optional<QString> horsLatin1(const QString& texte);
