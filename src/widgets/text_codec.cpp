#include "widgets/text_codec.h"

#include <QFile>

#include "storage/cp1252.h"

namespace vorlane {

QString ToQString(std::string_view cp1252) {
    std::string utf8 = Cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool FromQString(const QString& text, std::string& out) {
    // toUtf8() would quietly turn a lone surrogate into another character.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
        else if (text.at(i).isSurrogate()) return false;
    }
    QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), out);
}

QString FirstUnstorable(const QString& text) {
    std::string scratch;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text.at(i).unicode();
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            length = 2;
        }
        if (!FromQString(text.mid(i, length), scratch))
            return QStringLiteral("U+") + QString::number(static_cast<uint>(cp), 16).toUpper().rightJustified(4, u'0');
        i += length - 1;
    }
    return {};
}

std::string UnstorableMessage(const QString& refusedCharacter) {
    return "The character " + refusedCharacter.toStdString() +
           " cannot be stored in a Vorlane file, which holds only Western European (Windows-1252) "
           "characters.  It was not entered.";
}

QString PathToQString(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString MessageToQString(const std::string& message) {
    bool ascii = true;
    for (char c : message)
        if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
    if (ascii) return QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
    // Windows-1252 prose almost never forms valid multi-byte UTF-8 by chance.
    QString utf8 = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    if (utf8.toUtf8() == QByteArray::fromStdString(message) && !utf8.contains(QChar::ReplacementCharacter))
        return utf8;
    return ToQString(message);
}

}  // namespace vorlane
