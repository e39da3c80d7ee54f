#include "FakeModalServices.h"

std::optional<std::string> FakeModalServices::ChooseFile(wxWindow*, const FileChooserRequest& request)
{
    chooserRequests.push_back(request);
    if (chooserAnswers.empty())
        return std::nullopt;
    auto answer = chooserAnswers.front();
    chooserAnswers.pop_front();
    return answer;
}

void FakeModalServices::ShowMessage(wxWindow* owner, const std::string& text, MessageIcon icon)
{
    messages.push_back({text, icon, owner});
    if (onMessage)
        onMessage(messages.back());
}
