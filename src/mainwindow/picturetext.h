#pragma once

class QWidget;

// Text drawn straight on the window's own background picture: dark on its
// light body, light on its dark title strip, whatever colours the desktop
// theme has. Text on themed controls keeps the theme's colours.
namespace picturetext {

void onBody(QWidget *widget);
void onTitle(QWidget *widget);

} // namespace picturetext
