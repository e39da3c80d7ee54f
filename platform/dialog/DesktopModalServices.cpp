#include "platform/dialog/DesktopModalServices.h"

#include "platform/dialog/ChooserRules.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include <filesystem>

namespace {

// The titles the choosers carry on a Japanese desktop when none is given.
constexpr const char* kOpenTitle = "開く";
constexpr const char* kSaveTitle = "名前を付けて保存";
constexpr const char* kOverwriteQuestion = "%s は既に存在します。\n上書きしますか?";

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path), error);
}

bool ConfirmOverwrite(wxWindow* owner, const std::string& path)
{
    const wxString name = wxString::FromUTF8(std::filesystem::path(path).filename().string());
    wxMessageDialog question(owner, wxString::Format(wxString::FromUTF8(kOverwriteQuestion), name),
                             wxString::FromUTF8(kSaveTitle), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING);
    question.SetYesNoLabels(wxString::FromUTF8("はい(&Y)"), wxString::FromUTF8("いいえ(&N)"));
    return question.ShowModal() == wxID_YES;
}

} // namespace

std::optional<std::string> DesktopModalServices::ChooseFile(wxWindow* owner, const FileChooserRequest& request)
{
    const bool save = request.mode == FileChooserRequest::Mode::Save;
    const long style = save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN;
    const wxString wildcard = wxString::FromUTF8(ToChooserWildcard(request.filter));
    wxString folder;
    wxString name;
    for (;;) {
        wxFileDialog chooser(owner, wxString::FromUTF8(save ? kSaveTitle : kOpenTitle), folder, name, wildcard, style);
        if (chooser.ShowModal() != wxID_OK)
            return std::nullopt;
        const std::string chosen = chooser.GetPath().utf8_string();
        // An open chooser takes an existing file as it is named.
        if (!save && Exists(chosen))
            return chosen;
        const std::string path = AddDefaultExtension(chosen, request.defaultExtension);
        // The chooser asked about the name as typed; the name with the added
        // extension gets its own question.
        if (!save || path == chosen || !Exists(path) || ConfirmOverwrite(owner, path))
            return path;
        folder = chooser.GetDirectory();
        name = chooser.GetFilename();
    }
}

void DesktopModalServices::ShowMessage(wxWindow* owner, const std::string& text, MessageIcon icon)
{
    const long iconStyle = icon == MessageIcon::Error     ? wxICON_ERROR
                           : icon == MessageIcon::Warning ? wxICON_WARNING
                                                          : wxICON_INFORMATION;
    wxMessageDialog box(owner, wxString::FromUTF8(text), wxTheApp->GetAppDisplayName(), wxOK | iconStyle);
    box.ShowModal();
}
