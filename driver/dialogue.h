#pragma once

/// Asks the complete question `prompt` (ending in "(y/n): "), reads one whole line of any length
/// and writes a line feed. Returns true when the line begins with "y" or "Y"; an empty line, any
/// other line and end of input are no.
bool ask_yes_no(const char* prompt);

/// Waits until the user has read the output; returns at once at end of input. Callers flush
/// standard output first.
void pause_console();
