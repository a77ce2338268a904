// The program's style: the platform's own, except that the arrows of the menu bar's and the
// tool bars' overflow buttons are drawn rather than read from picture files. Reading the first
// picture file loads every picture-format plug-in, which would otherwise happen while the main
// window is being built; the plug-ins now load on a helper thread after the first paint. A scroll
// bar or slider with the keyboard's focus is drawn with a ring in the highlight colour.
#pragma once

class QStyle;

// Sets the style for the whole application; call before the first window is made. Calling it
// again changes nothing.
void installProgramStyle();

// The style, for a test to use on its own.
QStyle* createProgramStyle();
