#pragma once

// The peer of the demo's main window in Qt Widgets: the same frame, menu strip, tab strip,
// glossy buttons, option buttons and progress bar, styled from the same artwork.

#include <QString>
#include <QWidget>
#include <memory>

namespace qtpeer {

// A frameless 800 x 600 window whose pieces are drawn with style sheets (border-image for
// every picture of the frame and for the nine-slice buttons). `artwork` is the folder that
// holds the controls' PNGs.
std::unique_ptr<QWidget> MakePeerWindow(const QString& artwork);

}  // namespace qtpeer
