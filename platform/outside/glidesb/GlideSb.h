// Stand-in of the scroll-bar theme library: records the theme.
#pragma once

namespace GlideSbInterface {
/// Gives every scroll bar theme `theme`.
void SetGlobalVisualTheme(int theme);
}  // namespace GlideSbInterface
