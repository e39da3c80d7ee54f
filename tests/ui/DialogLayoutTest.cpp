#include "MainDlgFixture.h"

#include "platform/dialog/DialogLayout.h"
#include "res/MainDialogTemplate.h"

#include <wx/choice.h>
#include <wx/fontenum.h>
#include <wx/textctrl.h>

namespace {

using MainDlgLayoutTest = MainDlgFixture;

struct PlacedControl {
    const DialogControl* control;
    wxWindow* window;
};

std::vector<PlacedControl> Placed(CDialog& dialog)
{
    // Controls come in template order, the order the dialog made its children.
    std::vector<PlacedControl> placed;
    const wxWindowList& children = dialog.GetChildren();
    size_t index = 0;
    for (wxWindow* child : children) {
        if (index < kMainDialogTemplate.controls.size())
            placed.push_back({&kMainDialogTemplate.controls[index++], child});
    }
    return placed;
}

bool Contains(const wxRect& outer, const wxRect& inner)
{
    return outer.Contains(inner.GetTopLeft()) && outer.Contains(inner.GetBottomRight());
}

TEST_F(MainDlgLayoutTest, ChildrenFollowTheTemplate)
{
    const auto placed = Placed(dialog);
    ASSERT_EQ(placed.size(), 22u);
    for (const PlacedControl& p : placed) {
        if (p.control->id != IDC_STATIC) {
            EXPECT_EQ(p.window->GetId(), p.control->id);
        }
    }
}

TEST_F(MainDlgLayoutTest, NoControlOverlapsAnotherExceptInsideAGroupBox)
{
    const auto placed = Placed(dialog);
    for (size_t i = 0; i < placed.size(); ++i) {
        for (size_t j = i + 1; j < placed.size(); ++j) {
            const wxRect a = placed[i].window->GetRect();
            const wxRect b = placed[j].window->GetRect();
            if (!a.Intersects(b))
                continue;
            const bool nested = (placed[i].control->kind == ControlKind::GroupBox && Contains(a, b))
                                || (placed[j].control->kind == ControlKind::GroupBox && Contains(b, a));
            EXPECT_TRUE(nested) << placed[i].control->text << " #" << i << " overlaps #" << j << " "
                                << placed[j].control->text;
        }
    }
}

TEST_F(MainDlgLayoutTest, EveryControlShowsItselfWhole)
{
    for (const PlacedControl& p : Placed(dialog)) {
        const wxSize best = p.window->GetBestSize();
        const wxSize size = p.window->GetSize();
        EXPECT_GE(size.y, best.y) << p.control->text;
        // Fields scroll their text; everything else must show its text whole.
        if (p.control->kind != ControlKind::EditField) {
            EXPECT_GE(size.x, best.x) << p.control->text;
        }
    }
    EXPECT_TRUE(wxRect(dialog.GetClientSize()).Contains(dialog.GetDlgItem(IDOK)->GetRect()));
}

TEST_F(MainDlgLayoutTest, PositionsKeepTheTemplatesProportions)
{
    const wxSize client = dialog.GetClientSize();
    const double perUnitX = client.x / double(kMainDialogTemplate.width);
    const double perUnitY = client.y / double(kMainDialogTemplate.height);
    for (const PlacedControl& p : Placed(dialog)) {
        const wxRect rect = p.window->GetRect();
        EXPECT_NEAR(rect.x, p.control->x * perUnitX, 1.0) << p.control->text;
        EXPECT_NEAR(rect.y, p.control->y * perUnitY, 1.0) << p.control->text;
        EXPECT_NEAR(rect.width, p.control->width * perUnitX, 1.5) << p.control->text;
        if (p.control->kind != ControlKind::DropDownList) {
            EXPECT_NEAR(rect.height, p.control->height * perUnitY, 1.5) << p.control->text;
        }
    }
}

TEST_F(MainDlgLayoutTest, DropDownListsAreOneLineHigh)
{
    for (const int id : {IDC_SIZE_MODE, IDC_SIZE_UNIT}) {
        wxWindow* list = dialog.GetDlgItem(id);
        EXPECT_EQ(list->GetSize().y, list->GetBestSize().y);
        // A text field of the same font is about as high; the template's 55
        // units would be four times that.
        EXPECT_LT(list->GetSize().y, 2 * dialog.GetDlgItem(IDC_N_FRAMES)->GetSize().y);
    }
}

TEST_F(MainDlgLayoutTest, UsesIpaPGothicNinePointWhereInstalled)
{
    const wxFont font = dialog.GetFont();
    EXPECT_EQ(font.GetPointSize(), 9);
    if (wxFontEnumerator::IsValidFacename("IPAPGothic")) {
        EXPECT_EQ(font.GetFaceName(), "IPAPGothic");
    }
    for (const PlacedControl& p : Placed(dialog))
        EXPECT_EQ(p.window->GetFont(), font) << p.control->text;
}

TEST_F(MainDlgLayoutTest, TopLabelShowsThreeLines)
{
    const PlacedControl top = Placed(dialog).back();
    const wxString label = top.window->GetLabel();
    EXPECT_EQ(label.Freq('\n'), 2);
    EXPECT_TRUE(label.StartsWith(wxString::FromUTF8("Quorvel(仮称) Ver 0.01\n")));
}

TEST_F(MainDlgLayoutTest, OnlyTheCountFieldTakesTyping)
{
    for (const int id : {IDC_WIDTH, IDC_HEIGHT, IDC_FRAME_COUNT, IDC_FRAME_RATE})
        EXPECT_FALSE(static_cast<wxTextCtrl*>(dialog.GetDlgItem(id))->IsEditable()) << id;
    EXPECT_TRUE(static_cast<wxTextCtrl*>(dialog.GetDlgItem(IDC_N_FRAMES))->IsEditable());
}

TEST_F(MainDlgLayoutTest, CountFieldRefusesTypedNonDigits)
{
    wxWindow* field = dialog.GetDlgItem(IDC_N_FRAMES);
    const auto passes = [field](int key, int modifiers = 0) {
        wxKeyEvent typed(wxEVT_CHAR);
        typed.m_keyCode = key;
        typed.m_uniChar = static_cast<wxChar>(key);
        typed.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
        typed.SetEventObject(field);
        field->ProcessWindowEvent(typed);
        return typed.GetSkipped();
    };
    EXPECT_TRUE(passes('0'));
    EXPECT_TRUE(passes('9'));
    EXPECT_TRUE(passes(WXK_BACK));
    EXPECT_TRUE(passes('v', wxMOD_CONTROL));
    EXPECT_FALSE(passes('a'));
    EXPECT_FALSE(passes('-'));
    EXPECT_FALSE(passes(' '));
}

TEST(DialogUnitsTest, TouchingSlotsStayTouching)
{
    const DialogUnitScale scale{1.77, 2.61};
    const wxRect upper = ToPixels(10, 120, 59, 10, scale);
    const wxRect lower = ToPixels(10, 130, 68, 10, scale);
    EXPECT_EQ(upper.GetBottom() + 1, lower.GetTop());
}

TEST(DialogUnitsTest, GrowsBothAxesByOneFactorUntilEverythingFits)
{
    const DialogUnitScale font{2.0, 2.0};
    const ControlFit controls[] = {
        {0, 0, 10, 10, {15, 10}},  // needs half as much again in width
        {0, 20, 10, 10, {5, 5}},
    };
    const DialogUnitScale scale = FitScale(font, controls);
    EXPECT_NEAR(scale.x / scale.y, 1.0, 1e-9);
    EXPECT_GE(ToPixels(0, 0, 10, 10, scale).width, 15);
    EXPECT_LT(scale.x, 2.0 * 1.5 + 0.05);
}

TEST(DialogUnitsTest, NeverShrinksBelowTheFontsUnits)
{
    const DialogUnitScale font{1.75, 1.625};
    const ControlFit small[] = {{0, 0, 50, 50, {1, 1}}};
    const DialogUnitScale scale = FitScale(font, small);
    EXPECT_DOUBLE_EQ(scale.x, font.x);
    EXPECT_DOUBLE_EQ(scale.y, font.y);
}

} // namespace
