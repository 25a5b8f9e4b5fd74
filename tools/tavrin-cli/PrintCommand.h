#pragma once

struct CliCommand;

// print FILE --pdf OUT: the week on paper, written as a PDF.
int runPrint(const CliCommand &command);
