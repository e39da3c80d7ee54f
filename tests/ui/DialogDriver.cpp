#include "DialogDriver.h"

#include <gtest/gtest.h>

#include <wx/choice.h>
#include <wx/radiobut.h>

void ClickButton(CDialog& dialog, int id)
{
    wxWindow* button = dialog.GetDlgItem(id);
    ASSERT_TRUE(button->IsEnabled()) << "button " << id << " is disabled";
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->HandleWindowEvent(click);
}

void ClickRadio(CDialog& dialog, int id)
{
    auto* radio = static_cast<wxRadioButton*>(dialog.GetDlgItem(id));
    ASSERT_TRUE(radio->IsEnabled()) << "radio button " << id << " is disabled";
    const wxPoint inside(2, 2);
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    down.SetPosition(inside);
    down.SetEventObject(radio);
    radio->HandleWindowEvent(down);

    if (!radio->GetValue()) {
        radio->SetValue(true);
        wxCommandEvent click(wxEVT_RADIOBUTTON, id);
        click.SetEventObject(radio);
        click.SetInt(1);
        radio->HandleWindowEvent(click);
    }

    wxMouseEvent up(wxEVT_LEFT_UP);
    up.SetPosition(inside);
    up.SetEventObject(radio);
    radio->HandleWindowEvent(up);
}

void PressKey(CDialog& dialog, int keyCode, int modifiers)
{
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = keyCode;
    key.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
    key.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
    key.m_altDown = (modifiers & wxMOD_ALT) != 0;
    key.SetEventObject(&dialog);
    dialog.HandleWindowEvent(key);
}

std::vector<std::string> ListEntries(CDialog& dialog, int id)
{
    auto* list = static_cast<wxChoice*>(dialog.GetDlgItem(id));
    std::vector<std::string> entries;
    for (unsigned int i = 0; i < list->GetCount(); ++i)
        entries.push_back(list->GetString(i).utf8_string());
    return entries;
}
