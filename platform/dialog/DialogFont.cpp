#include "platform/dialog/DialogFont.h"

#include <wx/fontenum.h>

namespace {

struct FaceSubstitute {
    std::string_view templateFace;
    std::string_view desktopFace;
};

// Faces of the same design and metrics, proportional to proportional.
constexpr FaceSubstitute kSubstitutes[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},
};

wxString FromUtf8(std::string_view text)
{
    return wxString::FromUTF8(text.data(), text.size());
}

} // namespace

wxFont DialogFont(std::string_view faceName, int pointSize)
{
    std::string_view face = faceName;
    for (const FaceSubstitute& substitute : kSubstitutes) {
        if (substitute.templateFace == faceName)
            face = substitute.desktopFace;
    }
    if (wxFontEnumerator::IsValidFacename(FromUtf8(face)))
        return wxFont(wxFontInfo(pointSize).FaceName(FromUtf8(face)));
    return wxFont(wxFontInfo(pointSize).Family(wxFONTFAMILY_SWISS));
}
