#include "data/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace rekol {

const char* CodePageFor(const QString& language)
{
    if (language == QLatin1String("Turkish"))
        return "windows-1254";
    if (language == QLatin1String("Polish") || language == QLatin1String("cz") || language == QLatin1String("sk"))
        return "windows-1250";
    if (language == QLatin1String("estonian"))
        return "windows-1257";
    if (language == QLatin1String("greek"))
        return "windows-1253";
    return "windows-1252";
}

QString DecodeAnsi(const QByteArray& bytes, const QString& language)
{
    QStringDecoder decoder(CodePageFor(language));
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError() && text.size() == bytes.size())
        return text;
    // Single-byte code pages: decode byte by byte so that only the bytes the
    // code page leaves undefined fall back to the code point of their value.
    text.clear();
    for (char byte : bytes) {
        QStringDecoder one(CodePageFor(language));
        QString c = one.decode(QByteArrayView(&byte, 1));
        text += (one.hasError() || c.size() != 1) ? QChar(static_cast<uchar>(byte)) : c[0];
    }
    return text;
}

std::optional<QByteArray> EncodeAnsi(const QString& text, const QString& language)
{
    QStringEncoder encoder(CodePageFor(language));
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace rekol
