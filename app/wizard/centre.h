#pragma once

class QWidget;

namespace skarvel {

// Moves a window to the middle of the screen it is on.
void CentreOnDesktop(QWidget& window);

}  // namespace skarvel
