#include "tests/tabstrip/tabstrip_fixture.h"

namespace tabstrip_test {
namespace {

using quorin::XPTabstrip;

TEST_F(TabstripTest, OverflowingTopStripShowsThePanelAndFirstTabs) {
  auto s = PlaceFixed(300, 120, 10, 60);
  EXPECT_TRUE(s->picBlank->Visible());
  EXPECT_EQ(s->picBlank->Left(), 260);
  EXPECT_EQ(s->picBlank->Top(), 0);
  EXPECT_EQ(s->picBlank->Width(), 40);
  EXPECT_EQ(s->picBlank->Height(), 22);
  EXPECT_EQ(s->pLeftUp->Left(), 2);
  EXPECT_EQ(s->pLeftUp->Top(), 2);
  EXPECT_EQ(s->pLeftUp->Width(), 18);
  EXPECT_EQ(s->pRightDown->Left(), 22);
  EXPECT_EQ(s->pRightDown->Height(), 18);
  EXPECT_EQ(s->FirstVisibleTab, 1);
  EXPECT_EQ(s->LastVisibleTab, 5);
  const int lefts[] = {2, 64, 126, 188, 250};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(s->TabRects[i].left, lefts[i - 1]) << i;
    EXPECT_EQ(s->TabRects[i].right, lefts[i - 1] + 60) << i;
  }
}

}  // namespace
}  // namespace tabstrip_test
