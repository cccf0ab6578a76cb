#pragma once

// The application's style as the windows use it: the desktop's (or the one chosen with -style),
// drawing exactly what it draws, without reading image files at start.
//
// Qt's styles read a few of their pictures from image files: the menu bar asks for the icon of
// its button for the menus that do not fit when it is made, and Fusion draws the frame of every
// group box from a PNG file. Reading an image file whose format is not fixed first loads every
// image format plugin (JPEG, GIF, ICO...) to ask each whether the file is its own: libraries
// and time at every start for pictures in a format Qt reads itself. Here the menu bar's icon is
// asked of the style when the button is first drawn (it is shown only in a window too narrow for
// the menus), and the group box frame is read as the PNG it is.

namespace shell {

// Wraps the application's style once; later calls do nothing. Called before a window is built.
void useApplicationStyle();

}  // namespace shell
