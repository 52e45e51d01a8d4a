// The real desktop host with its window and a started game, so that events
// travel the whole road: GLFW callback, host, delegate, input device. The
// application only remembers what the device held during its last update.
// Each test has an X server of its own, so no other test's window or
// pointer can get in the way.
#pragma once

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <memory>

#include "host/app.h"
#include "host/glfw_game.h"
#include "host/init.h"
#include "input/input.h"
#include "support/xtest.h"

class SnapshotApp : public c_App {
 public:
  c_InputDevice seen;
  int updates = 0;
  int p_OnUpdate() override {
    seen = *vx_input_device;
    ++updates;
    return 0;
  }
};

class StartedGame : public ::testing::Test {
 protected:
  void SetUp() override {
    server = std::make_unique<PrivateXServer>();
    ASSERT_TRUE(server->ok()) << "could not start Xvfb";
    ASSERT_TRUE(glfwInit());
    host = new VxQuibexGame();
    vxInit();
    app = new SnapshotApp();
    app->m_new();
    host->SetDeviceWindow(640, 480, DISPLAY_RESIZABLE | DISPLAY_DECORATED);
    host->StartGame();
    dev = vx_input_device;
    ASSERT_NE(dev, nullptr);
  }

  // The server goes last, once nothing is connected to it any more.
  void TearDown() override {
    glfwTerminate();
    server.reset();
  }

  std::unique_ptr<PrivateXServer> server;
  // The host, the application and the device live until the process (one
  // per test) ends, as in the game.
  VxQuibexGame* host = nullptr;
  SnapshotApp* app = nullptr;
  c_InputDevice* dev = nullptr;
};
