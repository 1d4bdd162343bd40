#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Texts in group files are bytes of the interface language's ANSI code page.
// They stay bytes in the data layer and are converted only where they are
// shown or typed.
namespace rekol {

// The code page name ("windows-1252", ...) for a language code.
const char* CodePageFor(const QString& language);

// Decodes bytes; a byte the code page leaves undefined becomes the code point
// of the same value, so no byte is lost.
QString DecodeAnsi(const QByteArray& bytes, const QString& language);

// Encodes text, or nothing when a character cannot be held by the code page.
std::optional<QByteArray> EncodeAnsi(const QString& text, const QString& language);

} // namespace rekol
