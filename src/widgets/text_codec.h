#pragma once
// The one crossing point between the files' Windows-1252 texts and QString.
// Every byte has a character, so texts shown and taken back unchanged come
// back byte for byte. File paths are not such texts: they carry the file
// system's own encoding and cross with the Path functions.

#include <QString>
#include <string>
#include <string_view>

namespace vorlane {

QString ToQString(std::string_view cp1252);

// False when text holds a character Windows-1252 cannot store; out is then
// left as it was.
bool FromQString(const QString& text, std::string& out);

// The first character of text that Windows-1252 cannot store, written as
// "U+0142"; empty when every character can be stored.
QString FirstUnstorable(const QString& text);

// What the person is told when such a character is refused.
std::string UnstorableMessage(const QString& refusedCharacter);

QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);

// A message may quote a file path, whose bytes are the file system's
// (UTF-8) rather than Windows-1252; shown as such when they read as UTF-8.
QString MessageToQString(const std::string& message);

}  // namespace vorlane
