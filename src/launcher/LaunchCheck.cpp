#include "launcher/LaunchCheck.h"

#include "data/FileSystem.h"
#include "data/Text.h"

namespace {

constexpr std::u16string_view mainProgramName = u"lvtx.exe";
constexpr std::u16string_view graphicsLibraryName = u"GdiPlus.dll";
constexpr std::u16string_view helpPageName = u"faqOfRun.htm";
constexpr std::u16string_view toolsFolderName = u"lvtx_tools";

constexpr std::u16string_view unextractedText =
    u"文件缺失：\n%s\n( 压缩包中吗 ?  请先完整解压 )\n\n官网 / 专家在线 - 点确定后弹出                    \n ";
constexpr std::u16string_view missingText =
    u"文件丢失：\n%s\n(常见原因：杀毒乱删/用户误删)\n\n可从官网下载软件重装 (10.x版)\n(提示：重装软件不会丢失数据)\n\n"
    u"官网 / 专家在线 - 点确定后弹出";

// A failed test that is not "not found" counts as present: better to start than to send the
// user reinstalling over an access problem.
bool presentFile(const LaunchProbes& probes, std::u16string_view path) {
    const PathKind kind = probes.pathKind(path);
    return kind == PathKind::file || kind == PathKind::unknown;
}

// Installed files beside the launcher, or the tools folder: the archive has been extracted.
bool installationExtracted(std::u16string_view folder, const LaunchProbes& probes) {
    for (const std::u16string_view name : {mainProgramName, graphicsLibraryName, helpPageName}) {
        if (presentFile(probes, joinPath(folder, name))) return true;
    }
    const PathKind tools = probes.pathKind(joinPath(folder, toolsFolderName));
    return tools == PathKind::folder || tools == PathKind::unknown;
}

}  // namespace

std::u16string launcherFolder(std::u16string_view modulePath) {
    const std::size_t slash = modulePath.find_last_of(u'\\');
    return std::u16string(modulePath.substr(0, slash == std::u16string_view::npos ? 0 : slash));
}

LaunchDecision decideLaunch(std::u16string_view folder, const LaunchProbes& probes) {
    const std::u16string mainProgram = joinPath(folder, mainProgramName);
    if (!installationExtracted(folder, probes)) return {LaunchAction::showUnextracted, mainProgram};
    if (!presentFile(probes, mainProgram)) return {LaunchAction::showMissing, mainProgram};
    // The main program links the system's graphics library; a copy beside it is optional.
    const std::u16string graphicsLibrary = joinPath(folder, graphicsLibraryName);
    if (!presentFile(probes, graphicsLibrary) && !probes.systemGdiPlus()) {
        return {LaunchAction::showMissing, graphicsLibrary};
    }
    return {LaunchAction::startMainProgram, mainProgram};
}

std::u16string launchMessage(const LaunchDecision& decision) {
    return formatText(decision.action == LaunchAction::showUnextracted ? unextractedText : missingText,
                      {decision.path});
}

std::optional<std::u16string> helpPageAfterMessage(std::u16string_view folder, const LaunchProbes& probes) {
    std::u16string page = joinPath(folder, helpPageName);
    if (!presentFile(probes, page)) return std::nullopt;
    return page;
}
