#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/gdi_objects.h"
#include "platform/host/elements/control_array.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/elements/timer.h"
#include "platform/vb/error.h"

#include <algorithm>
#include "tests/platform/host/engine/engine_fixture.h"

namespace host_test {
namespace {

using Elements = EngineTest;

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const vb::Error& e) {
    return e.Number();
  }
  return 0;
}

// A picture of one colour.
vb::PictureRef Solid(int w, int h, std::uint32_t argb) {
  vb::PixelBuffer pixels;
  pixels.width = w;
  pixels.height = h;
  pixels.pixels.assign(static_cast<std::size_t>(w * h), argb);
  return vb::MakeBitmapPicture(std::move(pixels));
}

gfx::Argb WindowPixel(win32::HWND hwnd, int x, int y) {
  win32::HDC dc = win32::GetDC(hwnd);
  gfx::DeviceContext* context = gfx::FindDeviceContext(dc);
  win32::POINT o = context->origin;
  gfx::Argb p = context->target().pixel(o.x + x, o.y + y);
  win32::ReleaseDC(hwnd, dc);
  return p;
}

TEST_F(Elements, AnArrayLoadsHiddenCopiesOfItsFirstMemberAndUnloadsThem) {
  host::ControlArray<VB::Label> labels;
  auto first = form_->Add<VB::Label>("LbMenu", {100, 100, 900, 300});
  first->Caption("&File");
  labels.Adopt(first);
  Log clicks;
  labels.Connect([&](VB::Label& m) {
    std::int16_t index = m.Index();
    m.Click.Connect(
        [&clicks, index] { clicks.push_back("LbMenu_Click " + std::to_string(index)); });
  });
  VB::Label& third = labels.Load(2);
  EXPECT_EQ(third.Caption(), "&File");
  EXPECT_FALSE(third.Visible());
  EXPECT_EQ(third.Path(), "Form1.LbMenu(2)");
  EXPECT_EQ(labels.UBound(), 2);
  EXPECT_EQ(ErrorOf([&] { labels(1); }), vb::kControlArrayElementMissing);
  EXPECT_EQ(ErrorOf([&] { labels.Load(2); }), 360);
  EXPECT_EQ(ErrorOf([&] { labels.Unload(0); }), 362);
  third.Visible(true);
  third.Move(1200, 100);
  form_->Show();
  Run();
  win32::POINT p = ScreenOf(third, 3, 3);
  robot().Click(p.x, p.y);
  Run();
  EXPECT_EQ(clicks, (Log{"LbMenu_Click 2"}));
  labels.Unload(2);
  EXPECT_FALSE(labels.Exists(2));
  EXPECT_EQ(form_->Controls().Count(), 1);
}

TEST_F(Elements, AUserControlArrayMemberReadsTheFirstMembersProperties) {
  host::ControlArray<Probe> probes;
  auto first = PlaceProbe("Probes");
  first->Caption("Shared");
  probes.Adopt(first);
  log_.clear();
  Probe& copy = probes.Load(1);
  EXPECT_EQ(copy.Caption(), "Shared");
  EXPECT_EQ(copy.Index(), 1);
  EXPECT_FALSE(copy.Visible());
  EXPECT_EQ(copy.Extender().Index(), 1);
}

TEST_F(Elements, AHandlerThatUnloadsItsOwnElementDoesNotBreakTheDispatch) {
  host::ControlArray<VB::Label> labels;
  labels.Adopt(form_->Add<VB::Label>("Item", {100, 100, 900, 300}));
  VB::Label& doomed = labels.Load(1);
  doomed.Visible(true);
  doomed.Move(1200, 100);
  int ups = 0;
  doomed.MouseDown.Connect([&](std::int16_t&, std::int16_t&, float&, float&) { labels.Unload(1); });
  doomed.MouseUp.Connect([&](std::int16_t&, std::int16_t&, float&, float&) { ++ups; });
  form_->Show();
  Run();
  win32::POINT p = ScreenOf(doomed, 3, 3);
  robot().Click(p.x, p.y);
  Run();
  EXPECT_FALSE(labels.Exists(1));
  EXPECT_EQ(ups, 0);
}

TEST_F(Elements, PaintPictureWorksInTheSurfacesScale) {
  auto probe = PlaceProbe("Probe1", nullptr, {0, 0, 3000, 1500});
  probe->Title->Visible(false);
  probe->Pic->Visible(false);
  probe->AutoRedraw(true);
  probe->BackColor(0x00FFFFFF);
  vb::PictureRef red = Solid(4, 4, 0xFFFF0000u);
  struct Case {
    const char* name;
    std::int16_t scale;
    float x, y, w, h;
    win32::RECT expected;  // pixels covered
  };
  const Case cases[] = {
      {"pixels, natural size", host::vbPixels, 10, 5, -1, -1, {10, 5, 14, 9}},
      {"pixels, stretched", host::vbPixels, 20, 5, 8, 2, {20, 5, 28, 7}},
      {"twips", host::vbTwips, 450, 150, 120, 60, {30, 10, 38, 14}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    probe->ScaleMode(c.scale);
    probe->Cls();
    if (c.w < 0) {
      probe->PaintPicture(red, c.x, c.y);
    } else {
      probe->PaintPicture(red, c.x, c.y, c.w, c.h);
    }
    probe->Refresh();
    const gfx::Bitmap& image = probe->image();
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 45; ++x) {
        bool inside = x >= c.expected.left && x < c.expected.right && y >= c.expected.top &&
                      y < c.expected.bottom;
        ASSERT_EQ(image.pixel(x, y) == 0xFFFF0000u, inside) << x << "," << y;
      }
    }
    EXPECT_EQ(WindowPixel(probe->hWnd(), c.expected.left, c.expected.top), 0xFFFF0000u);
  }
  EXPECT_EQ(ErrorOf([&] { probe->PaintPicture(nullptr, 0, 0); }), vb::kInvalidProcedureCall);
  probe->ScaleMode(host::vbPixels);
  EXPECT_FLOAT_EQ(probe->ScaleWidth(), 200);
  EXPECT_FLOAT_EQ(probe->ScaleX(2540, host::vbHimetric, host::vbPixels), 96);
  EXPECT_FLOAT_EQ(probe->ScaleY(30, host::vbPixels, host::vbTwips), 450);
}

TEST_F(Elements, WindowlessElementsAreDrawnByTheirContainerInZOrder) {
  form_->AutoRedraw(true);
  form_->BackColor(0x00FFFFFF);
  auto back = form_->Add<VB::Image>("Back", {150, 150});
  back->Picture(Solid(10, 10, 0xFF0000FFu));
  auto front = form_->Add<VB::Image>("Front", {225, 225});
  front->Picture(Solid(10, 10, 0xFF00FF00u));
  form_->Show();
  form_->Refresh();
  EXPECT_EQ(WindowPixel(form_->hWnd(), 11, 11), 0xFF0000FFu);  // only the back image
  EXPECT_EQ(WindowPixel(form_->hWnd(), 16, 16), 0xFF00FF00u);  // the front one covers it
  EXPECT_EQ(WindowPixel(form_->hWnd(), 30, 30), 0xFFFFFFFFu);
  front->Visible(false);
  form_->Refresh();
  EXPECT_EQ(WindowPixel(form_->hWnd(), 16, 16), 0xFF0000FFu);
}

TEST_F(Elements, PaintRunsOnlyForASurfaceWithoutAutoRedraw) {
  auto probe = PlaceProbe("Probe1");
  form_->Show();
  Run();
  struct Case {
    bool auto_redraw;
    int paints;
  };
  for (const Case& c : {Case{false, 1}, Case{true, 0}}) {
    SCOPED_TRACE(c.auto_redraw);
    probe->AutoRedraw(c.auto_redraw);
    Run();
    log_.clear();
    win32::InvalidateRect(probe->hWnd(), nullptr, win32::TRUE);
    Run();
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "UserControl_Paint"), c.paints);
  }
}

TEST_F(Elements, ALabelIsOpaqueOrTransparentAsItsBackStyleSays) {
  form_->AutoRedraw(true);
  form_->BackColor(0x00FFFFFF);
  auto label = form_->Add<VB::Label>("Label1", {150, 150, 600, 300});
  label->BackColor(0x000000FF);  // red
  label->Caption("");
  form_->Show();
  struct Case {
    std::int16_t back_style;
    gfx::Argb expected;
  };
  for (const Case& c : {Case{1, 0xFFFF0000u}, Case{0, 0xFFFFFFFFu}}) {
    SCOPED_TRACE(c.back_style);
    label->BackStyle(c.back_style);
    form_->Refresh();
    EXPECT_EQ(WindowPixel(form_->hWnd(), 12, 12), c.expected);
  }
  EXPECT_THROW(label->BackStyle(2), vb::Error);
}

TEST_F(Elements, ALabelWithAutoSizeFollowsItsText) {
  auto label = form_->Add<VB::Label>("Label1");
  label->AutoSize(true);
  label->Caption("&Hi");
  float narrow = label->Width();
  label->Caption("&Hi there");
  EXPECT_GT(label->Width(), narrow);
  win32::SIZE size = host::MeasureText(*label->Font(), "Hi there");
  EXPECT_FLOAT_EQ(label->Width(), static_cast<float>(size.cx) * 15);
  int changes = 0;
  label->Change.Connect([&] { ++changes; });
  label->Caption("&Hi there");
  label->Caption("Other");
  EXPECT_EQ(changes, 1);
}

TEST_F(Elements, ATimerTicksFromTheLoopAndAFailingTickIsReported) {
  auto timer = form_->Add<VB::Timer>("Timer1");
  int ticks = 0;
  timer->Tick.Connect([&] {
    if (++ticks == 2) throw vb::Error(vb::kOverflow);
    if (ticks == 4) timer->Enabled(false);
  });
  timer->Interval(20);
  robot().Wait(200);
  Run();
  EXPECT_EQ(ticks, 4);
  ASSERT_EQ(errors_.reports.size(), 1u);
  EXPECT_EQ(errors_.reports[0].procedure, "Timer1_Timer");
  EXPECT_EQ(errors_.reports[0].source, "Form1");
  EXPECT_EQ(ErrorOf([&] { timer->Interval(70000); }), vb::kInvalidPropertyValue);
}

}  // namespace
}  // namespace host_test
