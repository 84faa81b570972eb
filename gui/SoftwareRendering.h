#pragma once

namespace quorlex {

// The web views draw into the window's own raster surface instead of through OpenGL, which
// otherwise composes the whole window again for every frame of a view. Call it before the
// application object exists; QT_QUICK_BACKEND, when set, still decides. With software
// painting, X11's OpenGL support is not loaded unless QT_XCB_GL_INTEGRATION asks for it.
void UseSoftwareRendering();

// Call it once the application object exists: the programs this one starts (the browser, the
// file manager) then get the user's environment, without the setting made above.
void RestoreUserEnvironment();

} // namespace quorlex
