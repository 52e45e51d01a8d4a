// The real game binary under the test's X server: its window, the window
// manager's close request, and a start without any display.
#include <gtest/gtest.h>

#include "support/child.h"
#include "support/scratch.h"
#include "support/x11.h"
#include "support/xtest.h"

namespace {

// On a server of its own: on the shared one, another test's window of the
// same title could be the one found and sent the close.
TEST(GameProcess, OpensItsCentredWindowAndEndsCleanlyOnClose) {
  PrivateXServer server;
  ASSERT_TRUE(server.ok()) << "could not start Xvfb";
  X11Session x;
  ASSERT_TRUE(x.ok());
  ScratchDir dir;
  ChildOptions o;
  o.cwd = dir.path();
  ChildProcess game({BuiltProgram("kitemoth")}, o);
  X11Window w;
  ASSERT_TRUE(x.FindWindow("Kitemoth", &w, 20));
  EXPECT_EQ(w.width, 640);
  EXPECT_EQ(w.height, 480);
  // The test server's screen is 1280 x 1024.
  EXPECT_EQ(w.x, (1280 - 640) / 2);
  EXPECT_EQ(w.y, (1024 - 480) / 2);
  x.RequestClose(w);
  ChildResult r = game.Finish();
  ASSERT_TRUE(r.exited) << "signal " << r.signal;
  EXPECT_EQ(r.status, 0) << r.out;
}

TEST(GameProcess, WithoutADisplayItSaysSoAndFails) {
  ScratchDir dir;
  ChildOptions o;
  o.cwd = dir.path();
  o.unset = {"DISPLAY", "WAYLAND_DISPLAY"};
  ChildResult r = RunChild({BuiltProgram("kitemoth")}, o);
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 255);
  EXPECT_NE(r.out.find("glfwInit failed\n"), std::string::npos) << r.out;
}

}  // namespace
