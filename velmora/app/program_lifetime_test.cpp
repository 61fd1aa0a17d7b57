// When the program ends.
#include <gtest/gtest.h>

#include <vector>

#include "velmora/app/program_lifetime.h"

namespace velmora {
namespace {

constexpr TopLevelWindow kBar{true, false, false};
constexpr TopLevelWindow kSharedViewer{true, true, false};  // never shown
constexpr TopLevelWindow kShot{true, true, false};          // hidden, closes itself
constexpr TopLevelWindow kSystemMenu{false, false, false};  // the popup menu, an input-method window

TEST(ProgramLifetime, HiddenHelpersAndSystemWindowsDoNotKeepItAlive) {
  const TopLevelWindow closingBar{true, false, true};
  EXPECT_FALSE(ProgramStaysAlive(std::vector{closingBar, kSharedViewer, kShot, kSystemMenu}));
  EXPECT_FALSE(ProgramStaysAlive(std::vector<TopLevelWindow>{}));
}

TEST(ProgramLifetime, AnyWindowTheUserCanSeeOrBringBackKeepsItAlive) {
  const TopLevelWindow closingBar{true, false, true};
  const TopLevelWindow openViewer{true, false, false};
  EXPECT_TRUE(ProgramStaysAlive(std::vector{closingBar, kSharedViewer, openViewer}));
  // The bar hidden for a moment by 帮助 still counts.
  EXPECT_TRUE(ProgramStaysAlive(std::vector{kBar, kSystemMenu}));
}

}  // namespace
}  // namespace velmora
