#include "bench/qt_peer/peer_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qtpeer {

namespace {

// A widget showing one artwork picture stretched over it.
QWidget* Piece(QWidget* parent, const QString& file, int width, int height) {
  auto* w = new QWidget(parent);
  w->setStyleSheet("border-image: url(" + file + ") 0 0 0 0 stretch stretch;");
  w->setAttribute(Qt::WA_StyledBackground);
  if (width > 0) w->setFixedWidth(width);
  if (height > 0) w->setFixedHeight(height);
  return w;
}

QPushButton* CaptionButton(QWidget* parent, const QString& file) {
  auto* b = new QPushButton(parent);
  b->setFixedSize(26, 18);
  b->setStyleSheet("QPushButton { border-image: url(" + file + "); border: 0; }");
  return b;
}

// A glossy push button: its 18 x 21 picture sliced nine ways, 3 px corners unscaled.
QPushButton* GlossyButton(QWidget* parent, const QString& artwork, const QString& set,
                          const QString& text, bool dark) {
  auto* b = new QPushButton(text, parent);
  b->setFixedSize(113, 61);
  b->setStyleSheet(QString("QPushButton { border-image: url(%1/glossy_button/%2_1.png) 3 3 3 3 "
                           "stretch stretch; border-width: 3px; color: %3; }"
                           "QPushButton:hover { border-image: url(%1/glossy_button/%2_2.png) 3 3 "
                           "3 3 stretch stretch; }")
                       .arg(artwork, set, dark ? "white" : "black"));
  return b;
}

}  // namespace

std::unique_ptr<QWidget> MakePeerWindow(const QString& artwork) {
  auto window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
  window->resize(800, 600);
  window->setObjectName("peer");
  window->setStyleSheet("#peer { background: white; }");
  auto* outer = new QVBoxLayout(window.get());
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  // Title bar: two ends, the stretched middle with icon, caption and three buttons.
  const QString theme = artwork + "/skin/ThemeX/";
  auto* title = new QWidget(window.get());
  title->setFixedHeight(30);
  auto* title_row = new QHBoxLayout(title);
  title_row->setContentsMargins(0, 0, 0, 0);
  title_row->setSpacing(0);
  title_row->addWidget(Piece(title, theme + "Image2_0.png", 11, 30));
  auto* middle = Piece(title, theme + "Image1_0.png", 0, 30);
  auto* middle_row = new QHBoxLayout(middle);
  middle_row->setContentsMargins(4, 0, 4, 0);
  auto* caption = new QLabel("Quorin Demo", middle);
  caption->setStyleSheet("border-image: none; color: white; font: bold 10pt Arial;");
  middle_row->addWidget(caption);
  middle_row->addStretch();
  for (const char* face : {"CbMin_0", "CbMax_0", "CbClose_0"}) {
    middle_row->addWidget(CaptionButton(middle, artwork + "/skin_parts/" + face + ".png"));
  }
  title_row->addWidget(middle, 1);
  title_row->addWidget(Piece(title, theme + "Image3_0.png", 11, 30));
  outer->addWidget(title);

  // Side borders around the client: menu strip, then the tab widget.
  auto* body = new QWidget(window.get());
  auto* body_row = new QHBoxLayout(body);
  body_row->setContentsMargins(0, 0, 0, 0);
  body_row->setSpacing(0);
  body_row->addWidget(Piece(body, theme + "Image4_0.png", 10, 0));
  auto* client = new QWidget(body);
  auto* client_column = new QVBoxLayout(client);
  client_column->setContentsMargins(0, 0, 0, 0);
  auto* menus = new QMenuBar(client);
  menus->addMenu("&File")->addAction("E&xit");
  menus->addMenu("&Theme")->addAction("Vista &Black");
  client_column->addWidget(menus);

  auto* tabs = new QTabWidget(client);
  auto* page = new QWidget(tabs);
  auto* page_column = new QVBoxLayout(page);
  auto* buttons = new QHBoxLayout();
  const struct {
    const char* set;
    const char* text;
    bool dark;
  } sets[] = {{"im", "Vista", false}, {"bu2", "Black", true},   {"bu3", "Blue", true},
              {"bu4", "Amber", true}, {"bu5", "Office", false}, {"bu6", "XP", false}};
  for (const auto& s : sets) buttons->addWidget(GlossyButton(page, artwork, s.set, s.text, s.dark));
  page_column->addLayout(buttons);
  auto* group = new QGroupBox("Options", page);
  auto* group_column = new QVBoxLayout(group);
  for (const char* text : {"Vista style", "XP style", "Disabled"}) {
    auto* r = new QRadioButton(text, group);
    group_column->addWidget(r);
  }
  page_column->addWidget(group);
  auto* bar = new QProgressBar(page);
  bar->setValue(40);
  page_column->addWidget(bar);
  page_column->addStretch();
  tabs->addTab(page, "Buttons");
  tabs->addTab(new QWidget(tabs), "Options");
  tabs->addTab(new QWidget(tabs), "Progress");
  client_column->addWidget(tabs, 1);
  body_row->addWidget(client, 1);
  body_row->addWidget(Piece(body, theme + "Image5_0.png", 10, 0));
  outer->addWidget(body, 1);

  // Bottom border with its two corners.
  auto* bottom = new QWidget(window.get());
  bottom->setFixedHeight(11);
  auto* bottom_row = new QHBoxLayout(bottom);
  bottom_row->setContentsMargins(0, 0, 0, 0);
  bottom_row->setSpacing(0);
  bottom_row->addWidget(Piece(bottom, theme + "Image8_0.png", 12, 11));
  bottom_row->addWidget(Piece(bottom, theme + "Image6_0.png", 0, 11), 1);
  bottom_row->addWidget(Piece(bottom, theme + "Image7_0.png", 12, 11));
  outer->addWidget(bottom);
  return window;
}

}  // namespace qtpeer
