#include "res/string_table.h"

#include <gtest/gtest.h>

using namespace rekol;

TEST(StringTable, LoadsTextsWholeAndUnknownIdsEmpty)
{
    EXPECT_EQ(LoadResString(102), QString("Enero"));
    EXPECT_EQ(LoadResString(113), QString("Diciembre"));
    EXPECT_EQ(LoadResString(1198), QString("esp"));
    EXPECT_EQ(LoadResString(1041), QString(",\n\n       o\n\n"));
    EXPECT_EQ(LoadResString(114), QString::fromUtf8("Cambio de &Mes ( Informe Tardío )"));
    EXPECT_TRUE(LoadResString(1031).endsWith(QString("a la Sucursal.")));
    EXPECT_TRUE(LoadResString(4242).isEmpty());
}

TEST(StringTable, ArgumentIdReplacesEveryPercentOne)
{
    EXPECT_EQ(LoadResString(1188, 104), QString("Informes Marzo"));
    EXPECT_EQ(LoadResString(1001, 104), QString("Sin Informar en Marzo"));
}

TEST(StringTable, FormatMessageSubstitutesOnce)
{
    EXPECT_EQ(FormatMessage(LoadResString(1030), "de marzo", "Ana Ruiz"),
              QString::fromUtf8("- AVISO -   Ya se tabuló el informe de de marzo para Ana Ruiz."));
    EXPECT_EQ(FormatMessage("%1 y %2", "%2", "x"), QString("%2 y x"));
    EXPECT_EQ(FormatMessage("100% %3 %1", "a"), QString("100% %3 a"));
}
