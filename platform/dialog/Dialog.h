#pragma once

#include "platform/dialog/ModalServices.h"
#include "res/DialogTemplate.h"

#include <string>
#include <string_view>
#include <vector>

#include <wx/dialog.h>

// A dialog built from a template: controls by their numeric identifiers, laid
// out in dialog units of the template's font, tab order as in the template.
// "IDOK" (1) and Enter end the modal run with 1; Escape and the close box with
// IDCANCEL (2). F1 without modifiers sends kIdHelp with the help context.
class CDialog : public wxDialog {
public:
    CDialog(const DialogTemplate& dialogTemplate, IModalServices& modal);

    // Makes the window, still hidden, and runs OnInitDialog. False when the
    // window cannot be made.
    bool Create(wxWindow* parent = nullptr);
    // Creates the window when needed, centres it and runs it modally; the
    // result is the identifier it ended with, or -1 when it could not be made.
    int DoModal();

    wxWindow* GetDlgItem(int id) const;
    void EnableDlgItem(int id, bool enable);
    void CheckDlgButton(int id, bool checked);
    bool IsDlgButtonChecked(int id) const;
    void SetDlgItemText(int id, std::string_view utf8);
    std::string GetDlgItemText(int id) const;
    // Signed decimal text.
    void SetDlgItemInt(int id, int value);
    // The selected index of a list, or -1 when none is selected.
    int GetCurSel(int id) const;
    void SetCurSel(int id, int index);

    // A box with the string-table text, the icon and OK only.
    void MessageBox(unsigned stringId, MessageIcon icon);
    IModalServices& Modal() const { return m_modal; }
    int GetHelpContext() const;

protected:
    // Runs once the controls exist and the lists are filled, before the window
    // is shown. True gives the focus to the first tab-stop control.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

private:
    void CreateControls();
    void PlaceControls();
    void AddListData();
    void FocusFirstTabStop();
    void EndDialog(int result);
    void OnCharHook(wxKeyEvent& event);
    void OnRadioMouse(wxMouseEvent& event);

    const DialogTemplate& m_template;
    IModalServices& m_modal;
    std::vector<wxWindow*> m_controls; // in template order
    bool m_bCreated = false;
    bool m_bRadioWasChecked = false;
};
