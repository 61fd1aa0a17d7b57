// Version texts, the splash's closing clock, the link colours, the help text.
#include <gtest/gtest.h>

#include "velmora/info/brand_rules.h"
#include "velmora/info/help_text.h"

namespace velmora {
namespace {

TEST(SplashClock, ClosesAtTheFirstTickWhoseSecondsPartIsPastFive) {
  constexpr std::int64_t t0 = 86'399;  // the last second of a day: spans midnight
  const struct {
    std::int64_t loadedAt, now;
    bool due;
  } rows[] = {{t0, t0 + 5, false}, {t0, t0 + 6, true}, {t0, t0 + 59, true}, {t0, t0 + 60, false},
              {t0, t0 + 65, false}, {t0, t0 + 66, true}, {t0, t0 + 3603, false},
              {1000, 993, true}, {1000, 998, false}};  // a clock set back counts the span's size
  for (const auto& row : rows) {
    SCOPED_TRACE(row.now - row.loadedAt);
    EXPECT_EQ(SplashDue(row.loadedAt, row.now), row.due);
  }
}

TEST(BrandTexts, VersionLabelsAddressesAndLinkColours) {
  EXPECT_EQ(SplashVersionText(L"1.1.0"), L"Ver:1.1.0");
  EXPECT_EQ(SplashVersionText(L""), L"Ver:");  // no version resource: the prefix stays
  EXPECT_EQ(HelpVersionText(L"1.1.0"), L"版本 1.1.0");
  EXPECT_EQ(ShownWebAddress(L"https://www.example.com/"), L"www.example.com");
  EXPECT_EQ(ShownWebAddress(L"http://example.com/tools/"), L"example.com/tools/");
  EXPECT_EQ(ShownWebAddress(L"/"), L"/");
  EXPECT_EQ(ShownMailAddress(L"mailto:a@b.example"), L"a@b.example");
  LinkHover links;
  links.Move(LinkHover::Over::Web);
  EXPECT_TRUE(links.WebBlue() && !links.MailBlue());
  links.Move(LinkHover::Over::Mail);  // straight across: both stay blue
  EXPECT_TRUE(links.WebBlue() && links.MailBlue());
  links.Move(LinkHover::Over::Background);
  EXPECT_FALSE(links.WebBlue() || links.MailBlue());
}

TEST(HelpText, HasItsStructureInOrderWithCrLfLineEnds) {
  const std::wstring text = HelpText();
  EXPECT_EQ(text.rfind(L"本软件是Tesmarin的一部分，以下是Tesmarin的说明：\r\n\tTesmarin程序说明  V1.1\r\n", 0), 0u);
  std::size_t at = 0;
  for (const wchar_t* heading :
       {L"一．功能简介:", L"1．抓屏1--抓取整个屏幕并显示", L"2．抓屏2--抓窗口存入粘贴板及c:\\下",
        L"3．抓屏3--连抓活动窗口", L"4．快速输入符号", L"5．QQ快速语句输入", L"6．隐藏文件", L"7．计算重量",
        L"8．计时,秒表功能。", L"9．打开网址", L"10．打开目录", L"11．打开文档", L"12．标准", L"13．Kelvo软件",
        L"14．打开程序", L"15．快捷方式", L"16．公司资料", L"二．使用方法", L"在弹出菜单中，选“退出”，退出程序。",
        L"选Kelvo软件说明文档，里面有Kelvo软件的说明。", L"三．定制", L"四.其它:",
        L"程序半个月左右会弹出一次主页,请朋友们多支持"}) {
    at = text.find(heading, at);
    ASSERT_NE(at, std::wstring::npos) << heading;
  }
  for (std::size_t i = 1; i < text.size(); ++i) {
    ASSERT_EQ(text[i] == L'\n', text[i - 1] == L'\r') << i;
  }
}

}  // namespace
}  // namespace velmora
