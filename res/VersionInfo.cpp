#include "res/VersionInfo.h"

const VersionInfo kVersionInfo = {
    .fileVersion = {1, 0, 0, 1},
    .productVersion = {1, 0, 0, 1},
    .language = 0x0411,
    .codePage = 1200,
    .comments = "",
    .companyName = "",
    .fileDescription = "Quorvel",
    .fileVersionText = "1, 0, 0, 1",
    .internalName = "Quorvel",
    .legalCopyright = "Copyright (C) Quorvel developers",
    .legalTrademarks = "",
    .originalFilename = "quorvel",
    .privateBuild = "",
    .productName = "Quorvel",
    .productVersionText = "0.01",
    .specialBuild = "",
};
