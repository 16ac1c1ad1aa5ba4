#include "app/WinMain.h"

int main(int argc, char** argv) { return WinMain(argc, argv); }
