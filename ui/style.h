#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// The program's one look for its dialogs: a style sheet compiled into the program (calm colours,
// panels with caption bars, buttons, check boxes, grids, memos, edit boxes). It sets no fonts, so
// the pixel fonts that windows give their controls stay as they are.
//
// Widgets opt into two looks by a dynamic property:
//   panel   = "raised" | "thin" | "plain"   a panel with a raised border, a thin frame or none;
//   caption = true                          a label drawn as the caption bar of its panel.
QString programStyleSheet(); // empty when the sheet cannot be read (windows then keep the plain look)

// Gives a window (and its children) the program's look. A style sheet the window already has
// stays in force after it; applying twice changes nothing.
void applyProgramStyle(QWidget *window);

// A font of a pixel size (sizes are given in pixels throughout the program), from the first of
// the families that is installed (none: the application's default family).
QFont pixelFont(const QStringList &families, int pixels, bool bold = false);

} // namespace ui
