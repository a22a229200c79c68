#pragma once

// Runs the player program: answers --help and --version, hands the request to
// an already running player, or starts one. Returns the exit code.
int RunPlayer(int argc, char** argv);
