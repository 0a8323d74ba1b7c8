#include "platform/linux/GtkBookmarks.h"

#include <gtest/gtest.h>

#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

using testsupport::TempDir;

TEST(GtkBookmarksTest, LetterOfRecognisesOnlyShareBookmarksWithADriveLabel) {
  const std::pair<const char*, std::optional<char>> cases[] = {
      {"smb://NAS/HDD_1 K: HDD_1 on NAS", 'K'},
      {"smb://NAS/HDD_1 K:", 'K'},
      {"smb://NAS/HDD_1", std::nullopt},
      {"smb://NAS/HDD_1 k: lower case", std::nullopt},
      {"smb://NAS/HDD_1 Kx: other label", std::nullopt},
      {"file:///home/u/Music K: Music", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [line, letter] : cases) EXPECT_EQ(GtkBookmarks::LetterOf(line), letter) << line;
}

TEST(GtkBookmarksTest, AddAndRemoveKeepForeignLinesAndOrder) {
  TempDir dir;
  const auto file = dir.Write("gtk-3.0/bookmarks",
                              "file:///home/u/Music Music\n"
                              "smb://NAS/A G: A on NAS\n"
                              "sftp://host/ somewhere\n");
  GtkBookmarks bookmarks;
  ASSERT_TRUE(bookmarks.Load(file));
  bookmarks.Add('k', UncPath{"10.0.0.2", "HDD_1", ""});
  EXPECT_TRUE(bookmarks.Remove('G'));
  EXPECT_FALSE(bookmarks.Remove('Q'));
  ASSERT_TRUE(bookmarks.Save(file));
  EXPECT_EQ(dir.Read("gtk-3.0/bookmarks"),
            "file:///home/u/Music Music\n"
            "sftp://host/ somewhere\n"
            "smb://10.0.0.2/HDD_1 K: HDD_1 on 10.0.0.2\n");
}

TEST(GtkBookmarksTest, SaveCreatesTheFolderAndLeavesNoTemporaryFile) {
  TempDir dir;
  const auto file = GtkBookmarks::DefaultPath(dir.Path() / "config");
  GtkBookmarks bookmarks;
  ASSERT_TRUE(bookmarks.Load(file));  // missing file reads as empty
  bookmarks.Add('Z', UncPath{"NAS", "My Share", ""});
  ASSERT_TRUE(bookmarks.Save(file));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                          std::filesystem::directory_iterator()),
            1);
  GtkBookmarks reread;
  ASSERT_TRUE(reread.Load(file));
  EXPECT_EQ(reread.ShareOf('z'), (UncPath{"NAS", "My Share", ""}));
  EXPECT_EQ(reread.Lines().front(), "smb://NAS/My%20Share Z: My Share on NAS");
}

TEST(GtkBookmarksTest, FirstBookmarkOfALetterWinsAndRemoveTakesAll) {
  GtkBookmarks bookmarks;
  bookmarks.Add('H', UncPath{"one", "a", ""});
  bookmarks.Add('H', UncPath{"two", "b", ""});
  EXPECT_EQ(bookmarks.ShareOf('H')->server, "one");
  EXPECT_TRUE(bookmarks.Remove('H'));
  EXPECT_EQ(bookmarks.ShareOf('H'), std::nullopt);
}

}  // namespace
}  // namespace tarvix::platform
