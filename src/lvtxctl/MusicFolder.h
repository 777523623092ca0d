#pragma once
// The music folder a new installation's immediate-play list points into.
#include <string>

// The tool's own folder + "music": where the program keeps it beside itself, so a tool
// installed with the program shows the paths the program would. When the system cannot
// tell where the tool lies, "music" in the working folder.
std::u16string musicDirBesideTool();
