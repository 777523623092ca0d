// lvtxctl: shows a data file as JSON or checks it, reading it as the program does at start-up;
// tells which programs may play at a given moment and why the others may not, and what
// the scheduler would start over a span; backs up and restores the schedule data; sets up the
// web console.
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "data/Text.h"
#include "lvtxctl/BackupCommands.h"
#include "lvtxctl/Commands.h"
#include "lvtxctl/Console.h"
#include "lvtxctl/DataKinds.h"
#include "lvtxctl/FullPath.h"
#include "lvtxctl/MusicFolder.h"
#include "lvtxctl/Platform.h"
#include "lvtxctl/RunningProgram.h"
#include "lvtxctl/WebCommand.h"
#include "web/Pbkdf2.h"


namespace {

// Arguments are UTF-8.
int runTool(int argc, char** argv) {
    prepareConsole();

    CLI::App app{"Shows and checks the data files of the timed-broadcast controller.", "lvtxctl"};
    app.require_subcommand(1);

    std::vector<std::string> kindNames;
    for (const DataKind& kind : dataKinds()) kindNames.emplace_back(kind.name);

    // Only one subcommand is ever parsed, so both may share the variables.
    std::string file;
    std::string kind;
    CLI::App* show = app.add_subcommand("show", "Print the file as JSON.");
    CLI::App* check = app.add_subcommand("check", "Exit 0 for a sound file, 2 for a content error, 3 for an input/output error.");
    for (CLI::App* command : {show, check}) {
        command->add_option("FILE", file, "The data file; its \"Tmp\" companion is read when it is missing.")->required();
        command->add_option("--kind", kind, "The kind of file, when its name does not tell.")->check(CLI::IsMember(kindNames));
    }
    std::string dataDir;
    std::string moment;
    CLI::App* eligible = app.add_subcommand(
        "eligible", "For each program: whether it may play at the moment, else the first rule that stops it.");
    eligible->add_option("--data", dataDir, "The data folder holding the programs and holiday files.")->required();
    eligible->add_option("--at", moment, "Local time, \"YYYY-MM-DD HH:MM:SS\".")->required();

    std::string from;
    std::string to;
    CLI::App* plan = app.add_subcommand(
        "plan", "Every start the scheduler would trigger over a span, second by second, as if started at --from.");
    plan->add_option("--data", dataDir, "The data folder holding the programs and holiday files.")->required();
    plan->add_option("--from", from, "First second, \"YYYY-MM-DD HH:MM:SS\".")->required();
    plan->add_option("--to", to, "Last second, \"YYYY-MM-DD HH:MM:SS\".")->required();

    std::string out;
    std::string backupFile;
    BackupParts parts;
    CLI::App* backup = app.add_subcommand(
        "backup", "Write the programs, holidays and shift days (all three unless some are named) to one file.");
    backup->add_option("--data", dataDir, "The data folder.")->required();
    backup->add_option("--out", out, "The backup file to write.")->required();
    CLI::App* restore = app.add_subcommand(
        "restore", "Check the whole backup, keep dated copies of the current files, then replace the lists named "
                   "(all three unless some are named).");
    restore->add_option("--data", dataDir, "The data folder.")->required();
    restore->add_option("FILE", backupFile, "The backup file.")->required();
    for (CLI::App* command : {backup, restore}) {
        command->add_flag("--programs", parts.programs, "The program list (节目单).");
        command->add_flag("--holidays", parts.holidays, "The holidays (节假日).");
        command->add_flag("--shift-days", parts.shiftDays, "The shift days (调休).");
    }

    bool on = false;
    bool off = false;
    int port = 0;
    std::string passwordFile;
    CLI::App* web = app.add_subcommand("web", "Set up the web console (网页t): its password, its port, on or off.");
    web->add_option("--data", dataDir, "The data folder.")->required();
    CLI::Option* onFlag = web->add_flag("--on", on, "Serve the console; needs a password, now or from before.");
    web->add_flag("--off", off, "Stop serving the console; every session ends.")->excludes(onFlag);
    web->add_option("--port", port, "The port, 1 to 65535 (at first 8765).")->check(CLI::Range(1, 65535));
    web->add_option("--password-file", passwordFile,
                    "A file whose first line (UTF-8, at least 8 characters) becomes the password; every session ends.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? exitOk : exitUsage;
    }

    FileSystem& fs = platformFileSystem();
    const auto pathOf = [](const std::string& argument) { return fullPath(fromUtf8(argument)); };
    if (eligible->parsed()) return runEligible(fs, pathOf(dataDir), moment);
    if (plan->parsed()) return runPlan(fs, pathOf(dataDir), from, to);
    if (web->parsed()) {
        WebChanges changes;
        if (on || off) changes.on = on;
        if (web->count("--port") != 0) changes.port = port;
        if (!passwordFile.empty()) changes.passwordFile = pathOf(passwordFile);
        const std::u16string folder = pathOf(dataDir);
        PortablePasswordKdf kdf;
        return runWeb(fs, folder, changes, kdf, platformRandom(), programRunsOn(folder));
    }
    if (!parts.any()) parts = allBackupParts;
    if (backup->parsed()) return runBackup(fs, pathOf(dataDir), pathOf(out), parts);
    if (restore->parsed()) {
        const std::u16string folder = pathOf(dataDir);
        return runRestore(fs, folder, pathOf(backupFile), parts, programRunsOn(folder));
    }
    const std::u16string path = pathOf(file);
    const std::u16string musicDir = musicDirBesideTool();
    return show->parsed() ? runShow(fs, path, kind, musicDir) : runCheck(fs, path, kind, musicDir);
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(toUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    return runTool(argc, pointers.data());
}
#else
int main(int argc, char** argv) {
    return runTool(argc, argv);
}
#endif
