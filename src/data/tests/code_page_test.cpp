#include "data/code_page.h"

#include <gtest/gtest.h>

using namespace rekol;

TEST(CodePage, DecodesTheLanguagesCodePage)
{
    EXPECT_EQ(DecodeAnsi(QByteArray("Jos\xE9 Mu\xF1oz"), "esp"), QString::fromUtf8("José Muñoz"));
    EXPECT_EQ(DecodeAnsi(QByteArray("\x80"), "esp"), QString::fromUtf8("€"));
    EXPECT_EQ(DecodeAnsi(QByteArray("\xFD"), "Turkish"), QString::fromUtf8("ı"));
    EXPECT_EQ(DecodeAnsi(QByteArray("\x9E"), "cz"), QString::fromUtf8("ž"));
    EXPECT_EQ(DecodeAnsi(QByteArray("\xF5"), "estonian"), QString::fromUtf8("õ"));
    EXPECT_EQ(DecodeAnsi(QByteArray("\xE1"), "greek"), QString::fromUtf8("α"));
}

TEST(CodePage, UndefinedBytesKeepTheirValue)
{
    const QString text = DecodeAnsi(QByteArray("a\x81\x8D\x8F\x90\x9Dz"), "esp");
    ASSERT_EQ(text.size(), 7);
    EXPECT_EQ(text[1].unicode(), 0x81);
    EXPECT_EQ(text[4].unicode(), 0x90);
    EXPECT_EQ(text[5].unicode(), 0x9D);
    EXPECT_EQ(text[6], QChar('z'));
}

TEST(CodePage, EncodesOrRefuses)
{
    EXPECT_EQ(EncodeAnsi(QString::fromUtf8("Peña"), "esp"), std::optional<QByteArray>("Pe\xF1" "a"));
    EXPECT_FALSE(EncodeAnsi(QString::fromUtf8("Łukasz"), "esp").has_value());
    EXPECT_EQ(EncodeAnsi(QString::fromUtf8("Łukasz"), "Polish"), std::optional<QByteArray>("\xA3ukasz"));
    EXPECT_FALSE(EncodeAnsi(QString::fromUtf8("日本"), "esp").has_value());
}
