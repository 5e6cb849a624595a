#pragma once

class QWidget;

namespace kanalo {

// The start-up benchmark's probe: when KANALO_REPORT_FIRST_PAINT is set, prints the
// milliseconds from the start of the process to the end of the widget's first paint, and
// ends the program. Does nothing otherwise.
void reportFirstPaintIfAsked(QWidget* widget);

} // namespace kanalo
