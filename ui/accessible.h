// What a screen reader learns of the window beyond what Qt tells it by itself: the logo is an
// image with a name, and the link label a link it can activate.
#ifndef UI_ACCESSIBLE_H_
#define UI_ACCESSIBLE_H_

namespace ui {

// Once per program; later calls do nothing.
void InstallAccessibleInterfaces();

}  // namespace ui

#endif  // UI_ACCESSIBLE_H_
