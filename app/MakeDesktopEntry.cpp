// Writes the program's desktop entry from its version block, so the menu
// shows the same name and version as the program.
#include "res/VersionInfo.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 1;
    const std::string name(kVersionInfo.productName);
    const std::string version(kVersionInfo.productVersionText);
    std::fprintf(out,
                 "[Desktop Entry]\n"
                 "Type=Application\n"
                 "Name=%s\n"
                 "GenericName=AVI bit usage\n"
                 "GenericName[ja]=AVI動画のビット配分\n"
                 "Comment=%s %s\n"
                 "Exec=%s\n"
                 "Terminal=false\n"
                 "Categories=AudioVideo;Video;\n",
                 name.c_str(), name.c_str(), version.c_str(), argv[2]);
    return std::fclose(out) == 0 ? 0 : 1;
}
