#include "platform/dialog/Dialog.h"

#include "platform/dialog/DialogFont.h"
#include "platform/dialog/DialogLayout.h"
#include "platform/dialog/FrameworkIds.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

wxString FromUtf8(std::string_view text)
{
    return wxString::FromUTF8(text.data(), text.size());
}

// Labels break their lines at a lone carriage return.
wxString LabelText(std::string_view text)
{
    wxString label = FromUtf8(text);
    label.Replace("\r", "\n");
    return label;
}

bool Has(const DialogControl& control, uint32_t style)
{
    return (control.styles & style) != 0;
}

// A digits-only field still takes editing keys and shortcuts such as paste.
void AcceptDigitsOnly(wxKeyEvent& event)
{
    const int key = event.GetUnicodeKey();
    if (key == WXK_NONE || key < WXK_SPACE || key == WXK_DELETE || event.HasAnyModifiers()
        || (key >= '0' && key <= '9'))
        event.Skip();
}

int SlotHeight(const DialogControl& control)
{
    return control.kind == ControlKind::DropDownList ? kDropDownLineHeight : control.height;
}

const DialogControl* FindControl(const DialogTemplate& dialogTemplate, int id)
{
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

bool NoModifiers(const wxKeyEvent& event)
{
    return !event.ShiftDown() && !event.ControlDown() && !event.AltDown();
}

} // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, IModalServices& modal)
    : m_template(dialogTemplate), m_modal(modal)
{
}

bool CDialog::Create(wxWindow* parent)
{
    if (!wxDialog::Create(parent, wxID_ANY, FromUtf8(m_template.caption), wxDefaultPosition, wxDefaultSize,
                          wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX))
        return false;
    m_bCreated = true;
    SetFont(DialogFont(m_template.fontFace, m_template.fontPointSize));
    CreateControls();
    PlaceControls();
    AddListData();

    // Our buttons carry the template's identifiers, not wxWidgets' stock ones,
    // so Escape and the close box need their own way to IDCANCEL.
    Bind(wxEVT_CHAR_HOOK, &CDialog::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, IDOK);

    if (OnInitDialog())
        FocusFirstTabStop();
    return true;
}

int CDialog::DoModal()
{
    if (!m_bCreated && !Create())
        return -1;
    CentreOnScreen();
    return ShowModal();
}

void CDialog::CreateControls()
{
    // A radio button joins the one before it unless a control that starts a
    // group came in between.
    bool groupStarted = true;
    for (const DialogControl& control : m_template.controls) {
        if (Has(control, ControlStyle::kGroup))
            groupStarted = true;
        const wxWindowID id = control.id == IDC_STATIC ? wxID_ANY : control.id;
        const wxString text = FromUtf8(control.text);
        wxWindow* window = nullptr;
        switch (control.kind) {
        case ControlKind::PushButton: {
            auto* button = new wxButton(this, id, text);
            if (Has(control, ControlStyle::kDefaultButton))
                button->SetDefault();
            window = button;
            break;
        }
        case ControlKind::Label:
            window = new wxStaticText(this, id, LabelText(control.text), wxDefaultPosition, wxDefaultSize,
                                      wxALIGN_LEFT | wxST_NO_AUTORESIZE);
            break;
        case ControlKind::EditField: {
            long style = 0;
            if (Has(control, ControlStyle::kReadOnly))
                style |= wxTE_READONLY;
            if (Has(control, ControlStyle::kRightAlign))
                style |= wxTE_RIGHT;
            auto* field = new wxTextCtrl(this, id, text, wxDefaultPosition, wxDefaultSize, style);
            if (Has(control, ControlStyle::kNumber))
                field->Bind(wxEVT_CHAR, AcceptDigitsOnly);
            window = field;
            break;
        }
        case ControlKind::GroupBox:
            window = new wxStaticBox(this, id, text);
            break;
        case ControlKind::AutoRadioButton:
            window = new wxRadioButton(this, id, text, wxDefaultPosition, wxDefaultSize,
                                       groupStarted ? wxRB_GROUP : 0);
            groupStarted = false;
            window->Bind(wxEVT_LEFT_DOWN, &CDialog::OnRadioMouse, this);
            window->Bind(wxEVT_LEFT_UP, &CDialog::OnRadioMouse, this);
            break;
        case ControlKind::DropDownList:
            window = new wxChoice(this, id);
            break;
        }
        window->SetFont(GetFont());
        if (!Has(control, ControlStyle::kTabStop))
            window->DisableFocusFromKeyboard();
        m_controls.push_back(window);
    }
}

void CDialog::PlaceControls()
{
    std::vector<ControlFit> fits;
    for (size_t i = 0; i < m_controls.size(); ++i) {
        const DialogControl& control = m_template.controls[i];
        wxSize needed = m_controls[i]->GetBestSize();
        // A field's natural width is a fixed number of characters, not its
        // text; the template's width is what it gets.
        if (control.kind == ControlKind::EditField)
            needed.x = 0;
        fits.push_back({control.x, control.y, control.width, SlotHeight(control), needed});
    }
    const DialogUnitScale scale = FitScale(FontDialogUnits(GetFont(), *this), fits);

    for (size_t i = 0; i < m_controls.size(); ++i) {
        const DialogControl& control = m_template.controls[i];
        wxRect rect = ToPixels(control.x, control.y, control.width, SlotHeight(control), scale);
        // A closed drop-down list is one line high, as the toolkit draws it.
        if (control.kind == ControlKind::DropDownList)
            rect.height = fits[i].needed.y;
        m_controls[i]->SetSize(rect);
    }
    SetClientSize(ToPixels(0, 0, m_template.width, m_template.height, scale).GetSize());
}

void CDialog::AddListData()
{
    for (const ListDataRecord& record : m_template.listData) {
        auto* list = dynamic_cast<wxChoice*>(GetDlgItem(record.controlId));
        if (record.request != kListAddString || !list)
            continue;
        const wxString text = FromUtf8(record.text);
        unsigned int position = list->GetCount();
        // Sorted as the Win32 list sorts, whatever the toolkit's collation.
        if (Has(*FindControl(m_template, record.controlId), ControlStyle::kSort)) {
            position = 0;
            while (position < list->GetCount() && list->GetString(position).CmpNoCase(text) <= 0)
                ++position;
        }
        list->Insert(text, position);
    }
}

void CDialog::FocusFirstTabStop()
{
    for (size_t i = 0; i < m_controls.size(); ++i) {
        if (Has(m_template.controls[i], ControlStyle::kTabStop) && m_controls[i]->IsEnabled()) {
            m_controls[i]->SetFocus();
            return;
        }
    }
}

bool CDialog::OnInitDialog()
{
    return true;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    if (IsModal())
        EndModal(result);
}

void CDialog::OnCharHook(wxKeyEvent& event)
{
    if (NoModifiers(event) && event.GetKeyCode() == WXK_ESCAPE) {
        OnCancel();
        return;
    }
    if (NoModifiers(event) && event.GetKeyCode() == WXK_F1) {
        wxCommandEvent help(wxEVT_MENU, kIdHelp);
        help.SetInt(GetHelpContext());
        help.SetEventObject(this);
        ProcessWindowEvent(help);
        return;
    }
    event.Skip();
}

// The toolkit reports a click on a radio button only when it changes the
// check mark; the dialog's handlers want every click.
void CDialog::OnRadioMouse(wxMouseEvent& event)
{
    event.Skip();
    auto* radio = static_cast<wxRadioButton*>(event.GetEventObject());
    if (event.LeftDown()) {
        m_bRadioWasChecked = radio->GetValue();
        return;
    }
    if (m_bRadioWasChecked && radio->GetValue() && radio->GetClientRect().Contains(event.GetPosition())) {
        wxCommandEvent click(wxEVT_RADIOBUTTON, radio->GetId());
        click.SetEventObject(radio);
        click.SetInt(1);
        radio->ProcessWindowEvent(click);
    }
    m_bRadioWasChecked = false;
}

wxWindow* CDialog::GetDlgItem(int id) const
{
    return id == IDC_STATIC ? nullptr : FindWindow(id);
}

void CDialog::EnableDlgItem(int id, bool enable)
{
    GetDlgItem(id)->Enable(enable);
}

void CDialog::CheckDlgButton(int id, bool checked)
{
    static_cast<wxRadioButton*>(GetDlgItem(id))->SetValue(checked);
}

bool CDialog::IsDlgButtonChecked(int id) const
{
    return static_cast<wxRadioButton*>(GetDlgItem(id))->GetValue();
}

void CDialog::SetDlgItemText(int id, std::string_view utf8)
{
    wxWindow* item = GetDlgItem(id);
    if (auto* field = dynamic_cast<wxTextEntry*>(item))
        field->ChangeValue(FromUtf8(utf8));
    else
        item->SetLabel(FromUtf8(utf8));
}

std::string CDialog::GetDlgItemText(int id) const
{
    wxWindow* item = GetDlgItem(id);
    if (auto* field = dynamic_cast<wxTextEntry*>(item))
        return field->GetValue().utf8_string();
    return item->GetLabel().utf8_string();
}

void CDialog::SetDlgItemInt(int id, int value)
{
    SetDlgItemText(id, std::to_string(value));
}

int CDialog::GetCurSel(int id) const
{
    return static_cast<wxChoice*>(GetDlgItem(id))->GetSelection();
}

void CDialog::SetCurSel(int id, int index)
{
    static_cast<wxChoice*>(GetDlgItem(id))->SetSelection(index);
}

void CDialog::MessageBox(unsigned stringId, MessageIcon icon)
{
    const char* text = LoadResString(stringId);
    m_modal.ShowMessage(this, text ? text : "", icon);
}

int CDialog::GetHelpContext() const
{
    return kHelpContextDialogBase + m_template.id;
}
