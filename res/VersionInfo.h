#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The program's version block.
struct VersionInfo {
    std::array<uint16_t, 4> fileVersion;
    std::array<uint16_t, 4> productVersion;
    uint16_t language;   // 0x0411, Japanese
    uint16_t codePage;   // 1200, UTF-16
    std::string_view comments;
    std::string_view companyName;
    std::string_view fileDescription;
    std::string_view fileVersionText;
    std::string_view internalName;
    std::string_view legalCopyright;
    std::string_view legalTrademarks;
    std::string_view originalFilename;
    std::string_view privateBuild;
    std::string_view productName;
    std::string_view productVersionText;
    std::string_view specialBuild;
};

extern const VersionInfo kVersionInfo;
