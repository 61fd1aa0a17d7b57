#include <gtest/gtest.h>

#include "velmora/capture/save_report.h"

namespace capture {
namespace {

const std::wstring kRoot = L"c:\\Kelvo抓屏20261207101010.bmp";
const std::wstring kPictures = L"C:\\users\\u\\Pictures\\Kelvo抓屏20261207101010.bmp";
const std::wstring kOther = L"D:\\图片\\Kelvo抓屏20261207101011.bmp";

SaveResult InRoot() { return {true, kRoot, {{kRoot, 0}}}; }
SaveResult In(const std::wstring& path) { return {true, path, {{kRoot, 5}, {path, 0}}}; }
SaveResult Nowhere() { return {false, L"", {{kRoot, 5}, {kPictures, 112}}}; }

TEST(SaveNotice, SaysWhereTheFileWentOnlyWhenItIsNotTheRootOfC) {
  EXPECT_FALSE(SaveNoticeText(InRoot()));
  EXPECT_EQ(SaveNoticeText(In(kPictures)), L"抓屏已保存到：" + kPictures);
  EXPECT_EQ(SaveNoticeText(Nowhere()),
            L"抓屏未保存：无法写入《" + kRoot + L"》(没有写入权限)；无法写入《" + kPictures + L"》(磁盘空间不足)");
}

TEST(SaveNotice, ASeriesTellsItsFolderAtTheFirstShotAndWhenTheFolderChanges) {
  struct Case {
    const char* step;
    SaveResult shot;
    bool restart;
    bool shown;
  };
  const Case cases[] = {
      {"first shot of a run", In(kPictures), true, true},
      {"same folder", In(kPictures), false, false},
      {"another folder", In(kOther), false, true},
      {"back in the root of C:", InRoot(), false, false},
      {"away from the root again", In(kOther), false, true},
      {"failed", Nowhere(), false, true},
      {"failed again", Nowhere(), false, false},
      {"a new run in the same folder", In(kOther), true, true},
      {"a run that starts in the root", InRoot(), true, false},
  };
  SaveNoticeGate gate;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    if (c.restart) gate.Restart();
    EXPECT_EQ(gate.ShouldShow(c.shot), c.shown);
  }
}

}  // namespace
}  // namespace capture
