#include "system/SettingsFile.h"

#include <cstring>

namespace {

DataFileTexts makeSettingsTexts() {
    const std::u16string wide = u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000";
    DataFileTexts texts = referenceTexts();
    texts.write.busy = u"写文件失败：\n%s\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n专家在线 - 主界面左侧点 {帮助栏}" +
                       wide + u"\n ";
    texts.write.other = u"写文件失败：\n%s\n\n%s\n\n专家在线 - 主界面左侧点 {帮助栏}" + wide + u"\n\n\n ";
    texts.prepare = texts.write;
    texts.saveQuestion =
        u"要保存修改吗 ？\n\n%s\n\n警告 !!\n软件启动时，该文件读取失败，保存会覆盖该文件 !\u3000\u3000\u3000\u3000\u3000\u3000\u3000  \n\n\n ";
    return texts;
}

}  // namespace

const DataFileTexts& settingsFileTexts() {
    static const DataFileTexts texts = makeSettingsTexts();
    return texts;
}

bool acceptLoadedSettings(SettingsRecord& s) {
    s.outputDevice[outputDeviceCapacity - 1] = u'\0';
    return isValidTimeOfDay(s.dailyShutdownTime) && isValidTimeOfDay(s.weeklyShutdownTime) &&
           isValidTimeOfDay(s.restartTime) && s.duckPercent >= 25 && s.duckPercent <= 100 &&
           s.duckFadeOutLength >= 1 && s.duckFadeOutLength <= 10 && s.duckFadeInLength >= 2 &&
           s.duckFadeInLength <= 16;
}

ReadResult loadSettings(const DataFileContext& context, SettingsRecord& settings) {
    settingsReset(settings);
    SettingsRecord loaded;
    bool parsed = false;
    const auto parse = [&](PayloadReader& reader) {
        parsed = reader.read(loaded) && acceptLoadedSettings(loaded);
        return parsed;
    };
    ReadResult result = readDataFile(context, settingsFileTexts(), parse);
    // An absent file is a success that leaves the defaults.
    if (result.ok() && parsed) settings = loaded;
    return result;
}

std::vector<std::uint8_t> settingsPayload(const SettingsRecord& settings) {
    std::vector<std::uint8_t> payload(sizeof settings);
    std::memcpy(payload.data(), &settings, sizeof settings);
    return payload;
}

SaveResult saveSettings(const DataFileContext& context, const SettingsRecord& settings) {
    return saveDataFile(context, settingsFileTexts(), settingsPayload(settings));
}
