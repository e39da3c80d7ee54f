#include "platform/dialog/EscapedException.h"

#include "platform/dialog/ModalServices.h"
#include "platform/file/FileException.h"

bool ShowEscapedException(IModalServices& modal, wxWindow* owner)
{
    try {
        throw;
    } catch (const CException& error) {
        modal.ShowMessage(owner, error.GetErrorMessage(), MessageIcon::Error);
        return true;
    } catch (...) {
        return false;
    }
}
