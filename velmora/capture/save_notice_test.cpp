#include <gtest/gtest.h>

#include "velmora/capture/save_report.h"

namespace capture {
namespace {

const std::wstring kRoot = L"c:\\Kelvo抓屏20261207101010.bmp";
const std::wstring kPictures = L"C:\\users\\u\\Pictures\\Kelvo抓屏20261207101010.bmp";
const std::wstring kOther = L"D:\\图片\\Kelvo抓屏20261207101011.bmp";

SaveResult InRoot() { return {true, kRoot, {{kRoot, 0}}, kRoot}; }
SaveResult In(const std::wstring& path) { return {true, path, {{kRoot, 5}, {path, 0}}, kRoot}; }
SaveResult Nowhere() { return {false, L"", {{kRoot, 5}, {kPictures, 112}}, kRoot}; }

TEST(SaveNotice, SaysWhereTheFileWentOnlyWhenItIsNotTheRootOfC) {
  EXPECT_FALSE(SaveNoticeText(InRoot()) || SaveNoticeText({true, kRoot, {{kPictures, 5}, {kRoot, 0}}, kRoot}));
  EXPECT_EQ(SaveNoticeText(In(kPictures)), L"抓屏已保存到：" + kPictures);
  EXPECT_EQ(SaveNoticeText({true, kPictures, {{kPictures, 0}}, kRoot}), L"抓屏已保存到：" + kPictures);  // tried first
  EXPECT_EQ(SaveNoticeText(Nowhere()),
            L"抓屏未保存：无法写入《" + kRoot + L"》(没有写入权限)；无法写入《" + kPictures + L"》(磁盘空间不足)");
}

TEST(SavePlaces, ThePlaceThatTookTheLastCaptureFirstThenTheUsualOrder) {
  using P = SavePlace;
  SavePlaces places;  // none took one yet, then each in turn
  EXPECT_EQ(places.Order(), (std::vector{P::Root, P::Pictures, P::LocalData}));
  for (const auto& order : {std::vector{P::Pictures, P::Root, P::LocalData}, std::vector{P::LocalData, P::Root, P::Pictures},
                            std::vector{P::Root, P::Pictures, P::LocalData}}) {
    places.Took(order.front());
    EXPECT_EQ(places.Order(), order);
  }
}

TEST(SaveNotice, EachWriteErrorHasItsReason) {
  const std::pair<std::vector<unsigned long>, std::wstring> rows[] = {
      {{5}, L"没有写入权限"}, {{19}, L"磁盘写保护"}, {{2, 3, 15, 21}, L"找不到该驱动器或文件夹"},
      {{32}, L"文件正被其他程序使用"}, {{39, 112}, L"磁盘空间不足"}, {{123}, L"文件名无效"}, {{8, 14}, L"内存不足"},
      {{4, 4242}, L"错误代码 "}};  // any other: its number
  for (const auto& [codes, reason] : rows) {
    for (const unsigned long c : codes) EXPECT_EQ(WriteFailureReason(c), reason.back() == L' ' ? reason + std::to_wstring(c) : reason);
  }
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
      {"a folder one letter apart", In(L"D:\\图表\\Kelvo抓屏20261207101012.bmp"), false, true},
      {"the same folder on another drive", In(L"E:\\图表\\Kelvo抓屏20261207101013.bmp"), false, true},
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
