#include "res/dialog_template.h"
#include "res/dialog_units.h"

#include <gtest/gtest.h>

#include <set>

using namespace rekol;

TEST(DialogUnits, EdgesRoundToTheNearestPixel)
{
    const DialogBaseUnits base{7, 15};
    // 10 * 7 / 4 = 17.5 -> 18; (10 + 118) * 7 / 4 = 224; 10 * 15 / 8 = 18.75 -> 19;
    // 149 * 15 / 8 = 279.375 -> 279.
    EXPECT_EQ(MapDialogRect(QRect(10, 10, 118, 139), base), QRect(18, 19, 206, 260));
    // Each edge is rounded on its own, so two neighbours never overlap or gap.
    const QRect a = MapDialogRect(QRect(14, 55, 26, 12), base);
    const QRect b = MapDialogRect(QRect(40, 55, 5, 12), base);
    EXPECT_EQ(a.left() + a.width(), b.left());
    EXPECT_EQ(MapDialogRect(QRect(0, 0, 4, 8), {6, 13}), QRect(0, 0, 6, 13));
}

TEST(DialogTemplates, AllFourExistWithTheirSizesAndFonts)
{
    struct Case {
        int id;
        int width, height, points;
        const char* caption;
    };
    const Case cases[] = {
        {IDD_ABOUTBOX, 184, 58, 10, "Acerca de Rekol"},
        {IDD_REKOL_DIALOG, 320, 213, 10, "Informes del Servicio del Campo"},
        {IDD_ENTRY, 275, 146, 10, ""},
        {IDD_COLLECT, 394, 202, 8, ""},
    };
    for (const Case& c : cases) {
        const DialogTemplate* t = FindDialogTemplate(c.id);
        ASSERT_NE(t, nullptr) << c.id;
        EXPECT_EQ(t->width, c.width);
        EXPECT_EQ(t->height, c.height);
        EXPECT_EQ(t->pointSize, c.points);
        EXPECT_STREQ(t->caption, c.caption);
    }
    EXPECT_EQ(FindDialogTemplate(101), nullptr);
}

TEST(DialogTemplates, IdsAreUniqueAndControlsLieInsideTheirDialog)
{
    for (int id : {IDD_ABOUTBOX, IDD_REKOL_DIALOG, IDD_ENTRY, IDD_COLLECT}) {
        const DialogTemplate& t = *FindDialogTemplate(id);
        std::set<int> ids;
        for (const ControlTemplate& c : t.controls) {
            if (c.id != IDC_STATIC) {
                EXPECT_TRUE(ids.insert(c.id).second) << "dialog " << id << " repeats id " << c.id;
            }
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_LE(c.x + c.w, t.width) << "dialog " << id << " control " << c.id;
            EXPECT_LE(c.y + c.h, t.height) << "dialog " << id << " control " << c.id;
        }
    }
}

TEST(DialogTemplates, OnlyTheCodeShowsTheHiddenControls)
{
    std::set<std::pair<int, int>> hidden;
    for (int id : {IDD_ABOUTBOX, IDD_REKOL_DIALOG, IDD_ENTRY, IDD_COLLECT}) {
        for (const ControlTemplate& c : FindDialogTemplate(id)->controls) {
            if (c.hidden)
                hidden.insert({id, c.id});
        }
    }
    const std::set<std::pair<int, int>> expected = {
        {102, 1003}, {102, 1004}, {102, 1006}, {102, 1007}, {107, 1050}};
    EXPECT_EQ(hidden, expected);
}

TEST(DialogTemplates, TabStopsFollowTheControlKind)
{
    int tabStops = 0;
    int others = 0;
    for (const ControlTemplate& c : FindDialogTemplate(IDD_REKOL_DIALOG)->controls)
        (IsTabStop(c) ? tabStops : others) += 1;
    // Buttons 1, 2, 3, 4, 5 and 1003 to 1007, the list and the check box.
    EXPECT_EQ(tabStops, 12);
    EXPECT_EQ(others, 6);
    for (const ControlTemplate& c : FindDialogTemplate(IDD_COLLECT)->controls) {
        if (c.id == 130) {
            EXPECT_FALSE(IsTabStop(c)); // the preview panel
        }
    }
}
