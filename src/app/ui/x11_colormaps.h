#pragma once

class QApplication;

namespace zentar {

// On X11, gives every window of the program the screen's default colormap as
// soon as it is created (see the source for why). Does nothing on other
// platforms.
void Use_Default_Colormaps(QApplication& app);

} // namespace zentar
