// The folder menus' listing: what Explorer would show of a folder, in its order.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "velmora/words/folder_listing.h"
#include "velmora/words/word_list_windows_test_support.h"

using Names = std::vector<std::wstring>;

TEST(FolderListing, OrdinaryFilesOnlyInExplorerOrder) {
  words::testing::ScratchFolder folder;
  folder.Write(L"doc 10.pdf", "%PDF");
  folder.Write(L"Doc 9.txt", "nine");
  folder.Write(L"只读.txt", "read-only", FILE_ATTRIBUTE_READONLY);
  folder.Write(L"hidden.txt", "hidden", FILE_ATTRIBUTE_HIDDEN);
  folder.Write(L"system.dat", "system", FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(CreateDirectoryW((folder.Path() + L"子文件夹").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((folder.Path() + L"sub.pdf").c_str(), nullptr));

  const Names names = words::ListFolderFiles(folder.Path());
  ASSERT_EQ(names.size(), 3u);
  // Digits by value and case ignored: 9 comes before 10.
  EXPECT_EQ(names[0], L"Doc 9.txt");
  EXPECT_EQ(names[1], L"doc 10.pdf");
  EXPECT_EQ(names[2], L"只读.txt");
  // With or without the trailing backslash.
  EXPECT_EQ(words::ListFolderFiles(folder.Path().substr(0, folder.Path().size() - 1)), names);
}

TEST(FolderListing, MissingOrEmptyFolderKeepsTheDefaultCaption) {
  words::testing::ScratchFolder folder;
  CreateDirectoryW((folder.Path() + L"空").c_str(), nullptr);
  for (const std::wstring& path : {folder.Path() + L"空", folder.Path() + L"不存在\\"}) {
    const auto items = words::LoadFolderMenuItems(path, L"文档1");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].value, L"文档1");
  }
}

TEST(FolderListing, CaptionsAreFileNamesWithTheirExtension) {
  words::testing::ScratchFolder folder;
  folder.Write(L"GB&T 150.pdf", "");
  folder.Write(L"a.lnk", "");
  const auto items = words::LoadFolderMenuItems(folder.Path(), L"");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].value, L"a.lnk");
  EXPECT_EQ(items[1].value, L"GB&T 150.pdf");
  EXPECT_EQ(items[1].caption, L"GB&&T 150.pdf");
}
