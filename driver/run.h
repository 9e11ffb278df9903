#pragma once

/// Runs the tool over its command line and returns the exit code.
int run(int argc, char** argv);

/// Puts every process-wide record of the run back to its state at start; for tests.
void reset_run_state();
