#include "run/run_sequence.h"

int main(int argc, char** argv) { treepage::RunProgram(argc, argv); }
