#pragma once

namespace orvanta {

// Chooses how the question pages are drawn; call before the application
// object exists. The pages are still pictures and text, which the web
// engine's software compositor draws as well as the graphics card would, and
// without an OpenGL context to share: making that context at start-up cost
// the main window most of its first paint (Mesa's GLX chose a configuration
// for over half a second on a machine without a graphics card) and its
// compositing held twice the memory. Software drawing also spares families
// the blank pages of a broken graphics driver.
//
// A user or tester who sets QT_QUICK_BACKEND or QT_XCB_GL_INTEGRATION keeps
// their choice, and ORVANTA_WEB_RENDERING=gpu keeps Qt's default OpenGL path.
// Returns true when software drawing was chosen.
bool PrepareWebRendering();

} // namespace orvanta
