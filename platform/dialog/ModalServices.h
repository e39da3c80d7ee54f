#pragma once

#include <optional>
#include <string>

class wxWindow;

enum class MessageIcon { Error, Warning, Information };

struct FileChooserRequest {
    enum class Mode { Open, Save };
    Mode mode;
    std::string defaultExtension; // without the dot; added to a name typed without one
    std::string filter;           // "text|pattern|text|pattern||"
};

// The nested modal things a dialog asks the user: file choosers and message
// boxes. The program shows the desktop's own; tests answer them instead.
class IModalServices {
public:
    virtual ~IModalServices() = default;

    // The full path of the confirmed file (UTF-8), or nothing when cancelled.
    virtual std::optional<std::string> ChooseFile(wxWindow* owner, const FileChooserRequest& request) = 0;
    // A box with the text (UTF-8), the icon and an OK button only.
    virtual void ShowMessage(wxWindow* owner, const std::string& text, MessageIcon icon) = 0;
};
