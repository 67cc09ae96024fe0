#pragma once

#include <functional>
#include <memory>

class QPrinter;

namespace printing {

// The printer that "print" goes to: the system's default, else the first one installed;
// nullptr when there is none.
std::unique_ptr<QPrinter> defaultPrinter();

// Seam for tests, so that they never touch the machine's printers: the choice gives the
// printer to use, or nullptr for "none installed". An empty function restores the system's.
using PrinterChoice = std::function<std::unique_ptr<QPrinter>()>;
void setPrinterChoice(PrinterChoice choice);

} // namespace printing
