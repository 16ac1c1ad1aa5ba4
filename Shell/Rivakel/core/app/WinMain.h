// The program's entry: single instance, splash, session, main loop.
#pragma once

int WinMain(int argc, char** argv);
