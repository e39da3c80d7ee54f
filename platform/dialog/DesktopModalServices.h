#pragma once

#include "platform/dialog/ModalServices.h"

// The desktop's own choosers and message boxes. Boxes are captioned with the
// application's display name.
class DesktopModalServices : public IModalServices {
public:
    std::optional<std::string> ChooseFile(wxWindow* owner, const FileChooserRequest& request) override;
    void ShowMessage(wxWindow* owner, const std::string& text, MessageIcon icon) override;
};
