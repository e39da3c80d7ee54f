#include "platform/dialog/ChooserRules.h"

#include <cctype>
#include <filesystem>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::string CaseInsensitivePattern(const std::string& pattern)
{
    if (pattern == "*.*")
        return "*";
    std::string result;
    for (const char c : pattern) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalpha(byte) && byte < 0x80) {
            result += '[';
            result += static_cast<char>(std::tolower(byte));
            result += static_cast<char>(std::toupper(byte));
            result += ']';
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

std::string ToChooserWildcard(const std::string& filter)
{
    std::vector<std::string> fields = Split(filter, '|');
    while (!fields.empty() && fields.back().empty())
        fields.pop_back();

    std::string wildcard;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i != 0)
            wildcard += '|';
        if (i % 2 == 0) {
            wildcard += fields[i];
            continue;
        }
        const std::vector<std::string> patterns = Split(fields[i], ';');
        for (size_t p = 0; p < patterns.size(); ++p)
            wildcard += (p != 0 ? ";" : "") + CaseInsensitivePattern(patterns[p]);
    }
    return wildcard;
}

std::string AddDefaultExtension(const std::string& path, const std::string& ext)
{
    if (ext.empty() || std::filesystem::path(path).has_extension())
        return path;
    return path + "." + ext;
}
