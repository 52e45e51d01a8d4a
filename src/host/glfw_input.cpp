// Keyboard, mouse and joystick translation for the desktop host.
// (Placeholder: nothing is translated yet.)
#include <GLFW/glfw3.h>

#include "host/glfw_game.h"

int VxGlfwGame::TransKey(int) { return 0; }
int VxGlfwGame::KeyToChar(int) { return 0; }
void VxGlfwGame::OnKey(GLFWwindow*, int, int, int, int) {}
void VxGlfwGame::OnChar(GLFWwindow*, unsigned int) {}
void VxGlfwGame::OnMouseButton(GLFWwindow*, int, int, int) {}
void VxGlfwGame::OnCursorPos(GLFWwindow*, double, double) {}
int VxGlfwGame::CountJoysticks(bool) { return 0; }
bool VxGlfwGame::PollJoystick(int, float*, float*, float*, bool*) { return false; }
void VxGlfwGame::SetJoystickSource(VxJoystickSource* source) { joysticks = source; }
