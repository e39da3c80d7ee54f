#include "platform/file/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

} // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv has no conversion from UTF-8 to CP932");
    std::unique_ptr<void, IconvCloser> guard(cd);

    std::string out(utf8.size() * 2, '\0'); // a code page 932 character takes at most 2 bytes
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        const size_t skip = std::min(SequenceLength(static_cast<unsigned char>(*in)), inLeft);
        in += skip;
        inLeft -= skip;
        *dst++ = '?';
        --outLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
}
