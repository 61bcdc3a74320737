#include "windows/programme.h"

int main(int argc, char** argv) { return LancerMirvane(argc, argv); }
