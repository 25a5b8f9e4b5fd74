#pragma once

class QPrinter;
class QWidget;

// Print Setup: the operator chooses the printer and its options (paper, orientation) for the
// next Print and Print Preview; nothing is printed. False when cancelled.
bool choosePrinter(QWidget *parent, QPrinter &printer);
