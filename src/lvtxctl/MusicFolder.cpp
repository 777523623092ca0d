#include "lvtxctl/MusicFolder.h"

#include "data/FileSystem.h"
#include "lvtxctl/Platform.h"

std::u16string musicDirBesideTool() {
    return joinPath(parentFolder(toolPath()), u"music");
}
