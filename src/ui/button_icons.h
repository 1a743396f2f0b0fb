#pragma once
// The toolbar's button pictures, drawn as SVG so they stay sharp at any
// scale. Pictures 0 to 24 follow the toolbar entry list; 26 is the
// angle-mode button's radians picture (10 shows degrees).
#include <QIcon>

namespace kurvo {

QIcon ButtonIcon(int picture);
QIcon PlotButtonIcon();
QIcon ApplicationIcon();

}  // namespace kurvo
