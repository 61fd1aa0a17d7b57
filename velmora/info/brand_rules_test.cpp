// Version texts, the splash's closing clock, the link colours, the help text.
#include <gtest/gtest.h>

#include "velmora/info/brand_rules.h"
#include "velmora/info/help_text.h"

namespace velmora {
namespace {

TEST(VersionText, SplashAboutAndHelpLabels) {
  EXPECT_EQ(SplashVersionText(L"1.1.0"), L"Ver:1.1.0");
  EXPECT_EQ(HelpVersionText(L"1.1.0"), L"版本 1.1.0");
  // No version resource: the label still shows its prefix.
  EXPECT_EQ(SplashVersionText(L""), L"Ver:");
}

TEST(SplashClock, ClosesAtTheFirstTickPastFiveSeconds) {
  constexpr std::int64_t t0 = 1'700'000'000;
  for (int s = 0; s <= 5; ++s) EXPECT_FALSE(SplashDue(t0, t0 + s)) << s;
  EXPECT_TRUE(SplashDue(t0, t0 + 6));
  EXPECT_TRUE(SplashDue(t0, t0 + 59));
}

TEST(SplashClock, PastAMinuteOnlyTheSecondsPartCounts) {
  constexpr std::int64_t t0 = 86'399;  // the last second of a day: spans midnight
  EXPECT_EQ(ElapsedSecondsPart(t0, t0 + 62), 2);
  EXPECT_FALSE(SplashDue(t0, t0 + 60));
  EXPECT_FALSE(SplashDue(t0, t0 + 65));
  EXPECT_TRUE(SplashDue(t0, t0 + 66));
  EXPECT_FALSE(SplashDue(t0, t0 + 3600 + 3));
}

TEST(SplashClock, AClockSetBackCountsTheSizeOfTheSpan) {
  EXPECT_EQ(ElapsedSecondsPart(1000, 993), 7);
  EXPECT_TRUE(SplashDue(1000, 993));
  EXPECT_FALSE(SplashDue(1000, 998));
}

TEST(LinkHover, EachLinkTurnsBlueAndTheBackgroundResetsBoth) {
  LinkHover links;
  EXPECT_FALSE(links.WebBlue() || links.MailBlue());
  links.Move(LinkHover::Over::Web);
  EXPECT_TRUE(links.WebBlue());
  EXPECT_FALSE(links.MailBlue());
  links.Move(LinkHover::Over::Mail);  // straight across: both stay blue
  EXPECT_TRUE(links.WebBlue() && links.MailBlue());
  links.Move(LinkHover::Over::Background);
  EXPECT_FALSE(links.WebBlue() || links.MailBlue());
}

TEST(HelpText, HasItsStructureInOrder) {
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
    const std::size_t found = text.find(heading, at);
    ASSERT_NE(found, std::wstring::npos) << heading;
    at = found;
  }
  // Lines end with CR LF only.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n') {
      ASSERT_EQ(text[i - 1], L'\r');
    }
    if (text[i] == L'\r') {
      ASSERT_EQ(text[i + 1], L'\n');
    }
  }
}

TEST(HelpText, ShowsTheWebAddressWithoutItsScheme) {
  EXPECT_EQ(ShownWebAddress(L"https://www.example.com/"), L"www.example.com");
  EXPECT_EQ(ShownWebAddress(L"http://example.com/tools/"), L"example.com/tools/");
  EXPECT_EQ(ShownWebAddress(L"www.example.com"), L"www.example.com");
  EXPECT_EQ(ShownWebAddress(L"/"), L"/");
}

TEST(HelpText, ShowsTheMailAddressWithoutItsScheme) {
  EXPECT_EQ(ShownMailAddress(L"mailto:a@b.example"), L"a@b.example");
  EXPECT_EQ(ShownMailAddress(L"a@b.example"), L"a@b.example");
}

}  // namespace
}  // namespace velmora
