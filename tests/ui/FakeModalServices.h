#pragma once

#include "platform/dialog/ModalServices.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Answers the dialog's choosers from a queue and records every chooser and
// message box it was asked for, in order.
class FakeModalServices : public IModalServices {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        wxWindow* owner;
    };

    // Answers for the next choosers; an empty queue cancels.
    std::deque<std::optional<std::string>> chooserAnswers;
    // Runs while a box is "open", to look at the world at that moment.
    std::function<void(const Message&)> onMessage;

    std::vector<FileChooserRequest> chooserRequests;
    std::vector<Message> messages;

    std::optional<std::string> ChooseFile(wxWindow* owner, const FileChooserRequest& request) override;
    void ShowMessage(wxWindow* owner, const std::string& text, MessageIcon icon) override;
};
