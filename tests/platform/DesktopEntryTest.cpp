#include "platform/linux/DesktopEntry.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/linux/DesktopEnvironment.h"
#include "platform/linux/MimeApps.h"
#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

using testsupport::TempDir;

DesktopEnvironment::Lookup From(std::map<std::string, std::string> values) {
  return [values](const char* name) -> std::optional<std::string> {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  };
}

TEST(DesktopEnvironmentTest, AppliesTheBaseDirectoryDefaults) {
  const auto env = DesktopEnvironment::FromEnvironment(From({{"HOME", "/home/u"}}));
  EXPECT_EQ(env.configHome, "/home/u/.config");
  EXPECT_EQ(env.dataHome, "/home/u/.local/share");
  EXPECT_EQ(env.configDirs, std::vector<std::filesystem::path>{"/etc/xdg"});
  EXPECT_EQ(env.dataDirs, (std::vector<std::filesystem::path>{"/usr/local/share", "/usr/share"}));
}

TEST(DesktopEnvironmentTest, TakesAbsoluteValuesAndSkipsRelativeOnes) {
  const auto env =
      DesktopEnvironment::FromEnvironment(From({{"HOME", "/h"},
                                                {"XDG_CONFIG_HOME", "relative"},
                                                {"XDG_DATA_HOME", "/d"},
                                                {"XDG_DATA_DIRS", "/a:rel::/b"},
                                                {"XDG_CURRENT_DESKTOP", "X-Cinnamon:GNOME"}}));
  EXPECT_EQ(env.configHome, "/h/.config");
  EXPECT_EQ(env.dataHome, "/d");
  EXPECT_EQ(env.dataDirs, (std::vector<std::filesystem::path>{"/a", "/b"}));
  EXPECT_EQ(env.currentDesktops, (std::vector<std::string>{"x-cinnamon", "gnome"}));
}

TEST(DesktopEntryTest, StripsFieldCodesAndKeepsQuoting) {
  const std::pair<const char*, const char*> cases[] = {
      {"firefox-esr %u", "firefox-esr"},
      {"/usr/bin/chromium %U --flag", "/usr/bin/chromium --flag"},
      {R"("/opt/My App/app" "%f" %i %c %k)", R"("/opt/My App/app")"},
      {"app --rate=100%% %F", "app --rate=100%"},
      {"app --file=%f", "app --file="},
  };
  for (const auto& [exec, command] : cases)
    EXPECT_EQ(DesktopEntry::StripFieldCodes(exec), command) << exec;
}

TEST(DesktopEntryTest, FindsAnIdInDataFoldersAndSubfolders) {
  TempDir dir;
  DesktopEnvironment env;
  env.dataHome = dir.Path() / "home";
  env.dataDirs = {dir.Path() / "sys"};
  dir.Write("sys/applications/web.desktop", "[Desktop Entry]\nExec=sys\n");
  dir.Write("sys/applications/vendor/browser.desktop", "[Desktop Entry]\nExec=vendor\n");
  dir.Write("home/applications/web.desktop", "[Desktop Entry]\nExec=home\n");
  EXPECT_EQ(DesktopEntry::Find(env, "web.desktop"), dir.Path() / "home/applications/web.desktop");
  EXPECT_EQ(DesktopEntry::Find(env, "vendor-browser.desktop"),
            dir.Path() / "sys/applications/vendor/browser.desktop");
  EXPECT_EQ(DesktopEntry::Find(env, "none.desktop"), std::nullopt);
  EXPECT_EQ(DesktopEntry::Find(env, "../sys/applications/web.desktop"), std::nullopt);
}

TEST(DesktopEntryTest, ReadsExecOfTheMainGroupOnly) {
  TempDir dir;
  const auto file =
      dir.Write("a.desktop",
                "# comment\n[Desktop Action new]\nExec=wrong\n"
                "[Desktop Entry]\nName=A\nExec[de]=localised\nExec = /opt/a\\sb %u\n");
  EXPECT_EQ(DesktopEntry::ReadExec(file), "/opt/a b %u");
  EXPECT_EQ(DesktopEntry::ReadExec(dir.Write("b.desktop", "[Desktop Entry]\nName=B\n")),
            std::nullopt);
}

TEST(MimeAppsTest, FirstListedDefaultInSearchOrderWins) {
  TempDir dir;
  DesktopEnvironment env;
  env.configHome = dir.Path() / "config";
  env.configDirs = {dir.Path() / "etc"};
  env.dataHome = dir.Path() / "data";
  env.currentDesktops = {"xfce"};
  dir.Write("etc/mimeapps.list", "[Default Applications]\nx-scheme-handler/http=system.desktop\n");
  EXPECT_EQ(MimeApps::DefaultFor(env, "x-scheme-handler/http"), "system.desktop");
  dir.Write("config/mimeapps.list",
            "[Added Associations]\nx-scheme-handler/http=added.desktop\n"
            "[Default Applications]\nx-scheme-handler/http=user.desktop;other.desktop;\n");
  EXPECT_EQ(MimeApps::DefaultFor(env, "x-scheme-handler/http"), "user.desktop");
  dir.Write("config/xfce-mimeapps.list",
            "[Default Applications]\nx-scheme-handler/http=xfce.desktop\n");
  EXPECT_EQ(MimeApps::DefaultFor(env, "x-scheme-handler/http"), "xfce.desktop");
  EXPECT_EQ(MimeApps::DefaultFor(env, "text/plain"), std::nullopt);
}

}  // namespace
}  // namespace tarvix::platform
