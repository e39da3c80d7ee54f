#pragma once

#include <string>
#include <string_view>

// UTF-8 text in code page 932 (Shift-JIS with the Windows extensions). A
// character the code page lacks becomes '?'.
std::string Utf8ToCp932(std::string_view utf8);
