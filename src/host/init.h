// Program-level entry: start values for every module global, creation of
// the application, and the host's main routine.
#pragma once

int vxInit();
int vxMain();
int vx_std_main(int argc, char** argv);
