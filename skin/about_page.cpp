#include "skin/about_page.h"

#include "artwork/artwork.h"
#include "platform/host/types/class_builder.h"
#include "platform/win/shell32.h"
#include "platform/win/user32.h"

namespace quorin {

namespace {

// The page's labels, in twips of the page.
std::shared_ptr<VB::Label> PageLabel(AboutPage& page, const char* name, const char* caption,
                                     float left, float top, std::int16_t index = -1) {
  auto label = page.AddElement<VB::Label>(name, index);
  label->BackStyle(0);
  label->AutoSize(true);
  label->Caption(caption);
  label->Move(left, top);
  return label;
}

}  // namespace

AboutPage::AboutPage() {
  Caption("通用");
  SizeTwips(6000, 3600);
  BackColor(0x8000000F);

  Image1 = AddElement<VB::Image>("Image1");
  Image1->Picture(artwork::Picture("skin/about/Image1"));
  Image1->Move(240, 240);
  Image2 = AddElement<VB::Image>("Image2");
  Image2->Picture(artwork::Picture("skin/about/Image2"));
  Image2->Move(2760, 240);

  Label2 = PageLabel(*this, "Label2", "QuorinSkin", 3600, 300);
  Label2->Font(std::make_shared<vb::StdFont>("Arial", 14.25f, true));
  Label3 = PageLabel(*this, "Label3", "Ver:1.4", 3600, 720);
  Label4.Adopt(PageLabel(*this, "Label4", "E-mail: author@example.com", 240, 2280, 0));
  Label4.Load(1);
  Label4(1).Caption("Blog: https://example.com/quorin/blog");
  Label4(1).Move(240, 2520);
  Label4(1).Visible(true);
  Label5 = PageLabel(*this, "Label5", "IM: 10000", 240, 2760);

  Line1 = AddElement<VB::Line>("Line1");
  Line1->BorderColor(0x80000010);
  Line1->X1(240);
  Line1->Y1(2160);
  Line1->X2(5760);
  Line1->Y2(2160);

  static const char* const kLinks[] = {"我的QQ", "我的博客", "举报BUG"};
  Label1.Adopt(PageLabel(*this, "Label1", kLinks[0], 240, 3120, 0));
  Label1(0).MouseIcon(artwork::Picture("skin/about/Label1_0_MouseIcon"));
  for (std::int16_t i = 1; i < 3; ++i) {
    Label1.Load(i);
    Label1(i).Caption(kLinks[i]);
    Label1(i).Move(240.0f + 1200.0f * i, 3120);
    Label1(i).Visible(true);
  }
  for (std::int16_t i = 0; i < 3; ++i) {
    // Each label has a font of its own, so underlining one leaves the others alone.
    Label1(i).Font(Label1(i).Font()->Clone());
    Label1(i).ForeColor(kLinkColor);
  }
  Label1.Connect([this](VB::Label& label) {
    VB::Label* l = &label;
    label.MouseMove.Connect(
        [this, l](std::int16_t&, std::int16_t&, float&, float&) { Label1_MouseMove(l->Index()); });
    label.Click.Connect([this, l] { Label1_Click(l->Index()); });
  });
}

const char* AboutPage::LinkTarget(std::int16_t index) {
  switch (index) {
    case 0:
      return "https://example.com/quorin/im";
    case 1:
      return "https://example.com/quorin/blog";
    default:
      return "mailto:author@example.com?subject=QuorinSkin%20bug";
  }
}

void AboutPage::UserControl_MouseMove(std::int16_t, std::int16_t, float, float) {
  for (std::int16_t i = 0; i < 3; ++i) Label1(i).ForeColor(kLinkColor);
}

void AboutPage::Label1_MouseMove(std::int16_t Index) {
  VB::Label& link = Label1(Index);
  link.ForeColor(kHotColor);
  link.Font()->Underline(true);
  link.Refresh();
  link.MousePointer(99);
  link.MouseIcon(Label1(0).MouseIcon());
}

void AboutPage::Label1_Click(std::int16_t Index) {
  Label1(Index).ForeColor(kClickedColor);
  win32::ShellExecuteA(hWnd(), "open", LinkTarget(Index), "", "", win32::SW_SHOWNORMAL);
}

const host::ClassInfo& AboutPage::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.AboutPage",
                                                            &host::PropertyPage::BaseInfo());
    host::ClassBuilder<AboutPage>(i).Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
