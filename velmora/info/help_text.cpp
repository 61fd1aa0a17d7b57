#include "velmora/info/help_text.h"

#include "ui/maker.h"

namespace velmora {

std::wstring ShownMailAddress(std::wstring_view mailTarget) {
  constexpr std::wstring_view scheme = L"mailto:";
  if (mailTarget.substr(0, scheme.size()) == scheme) mailTarget.remove_prefix(scheme.size());
  return std::wstring(mailTarget);
}

std::wstring ShownWebAddress(std::wstring_view address) {
  const std::size_t scheme = address.find(L"://");
  if (scheme != std::wstring_view::npos) address.remove_prefix(scheme + 3);
  if (address.size() > 1 && address.back() == L'/' && address.find(L'/') == address.size() - 1) {
    address.remove_suffix(1);
  }
  return std::wstring(address);
}

std::wstring HelpText() {
  const std::wstring lines[] = {
      L"本软件是Tesmarin的一部分，以下是Tesmarin的说明：",
      L"\tTesmarin程序说明  V1.1",
      L"\t作者：Kelvo工作室",
      L"\t主页：" + ShownWebAddress(maker::kWebAddress),
      L"\t邮箱：" + ShownMailAddress(maker::kMailAddress),
      std::wstring(L"\tQQ：") + maker::kQqNumber,
      L"\t日期：2026年12月",
      L"",
      L"一．功能简介:",
      L"1．抓屏1--抓取整个屏幕并显示",
      L"　　把整个屏幕抓下来，放在一个总在最前的窗口中供对照参考。例如一边在CAD中画图，",
      L"　　一边对照PDF图纸。也可以按Ctrl+Alt+V。",
      L"　　在显示窗口中转动鼠标滚轮可放大或缩小图像，双击或按Ctrl+0在原大与整幅之间切换。",
      L"　　测量：按住Shift用左键拖动，显示线段的长度、水平和垂直分量及与水平线的夹角；",
      L"　　按住Shift在圆周上单击三点，显示该圆、圆心和直径。显示线段时输入一个数（该线段",
      L"　　的实际长度，毫米）并按回车，此窗口的读数即以毫米计。Ctrl+C复制读数，Esc清除。",
      L"　　测量线只画在屏幕上，右键存下的仍是原图。",
      L"2．抓屏2--抓窗口存入粘贴板及c:\\下",
      L"　　在冻结的屏幕上拖出一个矩形，所抓图像放入粘贴板，同时存为c:\\下的位图文件。",
      L"　　例如把CAD中的图形贴到文字处理软件中。也可以按Ctrl+Alt+C。",
      L"3．抓屏3--连抓活动窗口",
      L"　　按设定的时间间隔连续抓取当前活动窗口，每次抓图都存为c:\\下的位图文件。",
      L"　　c:\\根目录不能写入时，抓图改存到“图片”文件夹，并在工具条旁提示文件的位置。",
      L"4．快速输入符号",
      L"　　选中菜单中的条目，程序把它放入粘贴板，并输入到您刚才使用的窗口中。",
      L"\t4.1 符号：分为“常用符号”、“标点符号”、“数字符号”、“罗马字母”、“希腊字母”、",
      L"\t“其它”六组。",
      L"\t4.2 材料：常用材料牌号，取自文本文件（本版菜单中未显示）。",
      L"\t4.3 标准名：压力容器常用标准的名称，从“GB基础标准”到“其它”共十六组",
      L"\t（本版菜单中未显示）。",
      L"\t以上各表都可以自行修改，见“三．定制”。",
      L"5．QQ快速语句输入",
      L"　　把保存在文本文件中的常用语句发送到其它程序，也可以发送到QQ和MSN的聊天窗口",
      L"　　（本版菜单中未显示）。",
      L"6．隐藏文件",
      L"　　把某一类文件（例如图纸的备份文件）设为隐藏或重新显示（本版未提供）。",
      L"7．计算重量",
      L"　　计算管子、筒体、圆柱、方块的重量，或由面积和厚度求重量（本版未提供）。",
      L"8．计时,秒表功能。",
      L"　　请使用“Kelvo软件”中的“计时”小程序。",
      L"9．打开网址",
      L"　　打开保存好的网址，其中包括一些工程和CAD网站（本版菜单中未显示）。",
      L"10．打开目录",
      L"　　一步打开预先设好的文件夹（本版菜单中未显示）。",
      L"11．打开文档",
      L"　　打开放在《文档》文件夹中的文档或快捷方式（本版菜单中未显示）。",
      L"12．标准",
      L"　　按分组打开放在《标准》文件夹中的标准文件；本软件不附带任何标准文件",
      L"　　（本版菜单中未显示）。",
      L"13．Kelvo软件",
      L"　　放在《Kelvo软件》文件夹中的小程序，可从菜单直接启动：",
      L"\tArcmeter（圆和圆弧的周长、面积、弦长及板重）",
      L"\tChaincalc（四行连续加减乘除）",
      L"\t插值（线性插值）",
      L"\t计时（秒表）",
      L"\tLmtdcalc（换热器平均温差）",
      L"14．打开程序",
      L"　　把小程序放入《程序》文件夹，即可从菜单调用（本版菜单中未显示）。",
      L"15．快捷方式",
      L"　　把程序或文档的快捷方式放入《快捷方式》文件夹，即可从菜单调用。",
      L"16．公司资料",
      L"　　把公司资料放入《公司》文件夹，即可从菜单打开（本版菜单中未显示）。",
      L"",
      L"二．使用方法",
      L"1．程序运行后出现在屏幕的右下角，用鼠标左键按住它左端的空白处可拖到任何位置。",
      L"2．按“抓”抓取并显示整个屏幕；在显示窗口中用鼠标左键拖动图像，用右键把它存到c:\\下。",
      L"3．按“菜”（或在主窗口左端按鼠标右键）弹出菜单。",
      L"4．在弹出菜单中，选“退出”，退出程序。",
      L"5．选Kelvo软件说明文档，里面有Kelvo软件的说明。",
      L"",
      L"三．定制",
      L"　　菜单中的各表取自程序所在文件夹中的文本文件和文件夹（如“符号\\常用符号.txt”、",
      L"　　“快捷方式\\”），用记事本修改这些文件或往文件夹中放入文件，下次启动时即生效。",
      L"",
      L"四.其它:",
      L"　　程序半个月左右会弹出一次主页,请朋友们多支持",
  };
  std::wstring text;
  for (const std::wstring& line : lines) {
    if (!text.empty()) text += L"\r\n";
    text += line;
  }
  return text;
}

}  // namespace velmora
