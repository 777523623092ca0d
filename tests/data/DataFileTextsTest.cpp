// The wording of failures with the system's own text.
#include <gtest/gtest.h>

#include "data/DataFileTexts.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

namespace {

using Op = MemoryFileSystem::Op;

}  // namespace

TEST(DataFileOtherCodes, TheSystemTextIsInsertedWithoutItsLineBreaks) {
    MemoryDataFolder data;
    data.fs.failNext(Op::write, data.temp, 112);
    data.programs = {sampleProgram(u"a")};
    const SaveResult saved = data.save();
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, u"写文件失败：\n" + data.temp + u"\n\nsystem text 112\n\n专家在线 - 主界面左侧点 {帮助栏}");
    EXPECT_FALSE(data.fs.hasFile(data.temp));
    EXPECT_FALSE(data.fs.hasFile(data.file));

    data.fs.addFile(data.file, programsFileBytes(data.programs));
    data.fs.failNext(Op::read, data.file, 23);
    const ReadResult read = data.load();
    EXPECT_EQ(read.failure, ReadFailure::io);
    EXPECT_EQ(read.message, u"读文件失败：\n" + data.file + u"\n\nsystem text 23\n\n专家在线 - 主界面左侧点 {帮助栏}");
    EXPECT_TRUE(data.readFailed);
}

TEST(DataFileOtherCodes, ALongSystemTextIsCutTo255UnitsAndThenTrimmed) {
    EXPECT_EQ(quotedSystemText(u"\r\n" + std::u16string(300, u'文') + u"\r\n"), std::u16string(253, u'文'));
    EXPECT_EQ(quotedSystemText(u"\r\n\r\n"), u"");
}
